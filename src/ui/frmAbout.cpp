#include "ui/frmAbout.h"

#include "i18n/TextKeys.h"
#include "ui/AuxiliaryWindow.h"
#include "ui/LanguageText.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

// The picture is built into this static library, which must register it before the first use.
static void RegisterAboutPicture() {
    Q_INIT_RESOURCE(frmAbout);
}

namespace {

// The maker's words are the program's own and never translated.
const QString kMakerContact = QStringLiteral("Wingsheet \u2014 wingsheet@example.org");
const QString kMakerAddress = QStringLiteral("wingsheet@example.org");

QString VersionLine(const LanguageState& language) {
    return QStringLiteral("Version %1.%2.%3 - ")
               .arg(WINGSHEET_VERSION_MAJOR)
               .arg(WINGSHEET_VERSION_MINOR)
               .arg(WINGSHEET_VERSION_PATCH) +
           FromUtf8(language.name());
}

// Each line is added with its break, the last one twice, so the block ends with an empty line.
QString DescriptionBlock(const LanguageState& language) {
    QString block = Text(language, kAboutDescription) + QStringLiteral("\r\n");
    block += Text(language, kAboutFeatures) + QStringLiteral("\r\n");
    block += Text(language, kTranslationCaption) + QStringLiteral(" : ") +
             Text(language, kTranslatorName) + QStringLiteral("\r\n");
    block += Text(language, kTranslatorEmail) + QStringLiteral("\r\n") + QStringLiteral("\r\n");
    return block;
}

QFrame* PlaceRule(QWidget* parent, Qt::GlobalColor colour, double topTwips, int heightPixels) {
    auto* rule = new QFrame(parent);
    rule->setGeometry(0, TwipsToPixels(topTwips), TwipsToPixels(5880), heightPixels);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, colour);
    rule->setPalette(palette);
    rule->setAutoFillBackground(true);
    return rule;
}

QLabel* PlacePicture(QWidget* parent) {
    RegisterAboutPicture();
    QLabel* picture = PlaceLabel(parent, QString(), TwipsRect(120, 120, 1740, 555));
    picture->setPixmap(QPixmap(QStringLiteral(":/AboutPlanform.jpg")));
    picture->setScaledContents(true);
    picture->setToolTip(kMakerAddress);
    return picture;
}

} // namespace

frmAbout::frmAbout(QWidget* owner, const LanguageState& language)
    : QDialog(owner)
    , language_(language)
    , picIcon_(PlacePicture(this))
    , lblTitle_(PlaceLabel(this, QString(), TwipsRect(2010, 120, 3405, 360), true))
    , lblVersion_(PlaceLabel(this, QString(), TwipsRect(2040, 480, 3645, 225), true))
    , lblDescription_(PlaceLabel(this, QString(), TwipsRect(480, 840, 4845, 1155)))
    // The white rule goes first so the dark one lies on its upper pixel.
    , Line1_{PlaceRule(this, Qt::white, 2040, 2), PlaceRule(this, Qt::darkGray, 2040, 1)}
    , lblinfo_(PlaceLabel(this, kMakerContact, TwipsRect(240, 2280, 4005, 555)))
    , cmdOK_(new QPushButton(QStringLiteral("OK"), this)) {
    SetUpAuxiliaryWindow(*this, 5910, 2970);
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(12);
    lblTitle_->setFont(titleFont);
    lblDescription_->setWordWrap(true);
    cmdOK_->setGeometry(TwipsRect(4560, 2280, 1065, 345));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load();
}

void frmAbout::Form_Load() {
    cmdOK_->setText(Text(language_, kOkButton));
    setWindowTitle(Text(language_, kAboutTitle));
    lblTitle_->setText(Text(language_, kAboutProgramName));
    lblVersion_->setText(VersionLine(language_));
    lblDescription_->setText(DescriptionBlock(language_));
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::reject() {
    cmdOK_->click();
}
