// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowChecks.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <optional>
#include <sstream>

namespace {

// Room between a button's frame and its icon or text on each side, so neither touches the edge.
constexpr int kButtonClearance = 2;
// The gap Qt's styles leave between a button's icon and its text.
constexpr int kIconTextGap = 4;

std::string describe(const QWidget* widget) {
    std::ostringstream text;
    text << widget->metaObject()->className();
    if (!widget->objectName().isEmpty())
        text << " " << widget->objectName().toStdString();
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        caption = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        caption = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        caption = group->title();
    if (!caption.isEmpty())
        text << " \"" << caption.left(40).toStdString() << "\"";
    text << " in " << widget->window()->metaObject()->className();
    return text.str();
}

// The parts of compound widgets (a combo box's list, a scroll area's bars) are theirs to place.
// A combo box's list lives in a popup of its own, once the combo has made it.
bool isPartOfAControl(const QWidget* widget) {
    for (const QWidget* above = widget->parentWidget(); above; above = above->parentWidget()) {
        if (qobject_cast<const QComboBox*>(above) || qobject_cast<const QAbstractSpinBox*>(above) ||
            qobject_cast<const QAbstractScrollArea*>(above) ||
            qobject_cast<const QLineEdit*>(above) || qobject_cast<const QMenuBar*>(above))
            return true;
        if (above->isWindow() && above->windowType() != Qt::Popup)
            break;
    }
    return widget->objectName().startsWith(QLatin1String("qt_"));
}

// The menu bar's menus are the window's own (the bar is their parent); a menu inside a control,
// such as a field's context menu, is Qt's.
bool isWindowMenu(const QMenu* menu) {
    return qobject_cast<const QMenuBar*>(menu->parentWidget()) || !isPartOfAControl(menu);
}

// Line breaks at the end show nothing, so they need no room.
QString shownText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    while (text.endsWith('\n'))
        text.chop(1);
    return text;
}

// Where a label's text lands, as QLabel lays it out.
QRect labelTextRect(const QLabel* label) {
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    return QFontMetrics(label->font()).boundingRect(room, flags, shownText(label->text()));
}

bool showsText(const QLabel* label) {
    return !label->text().isEmpty() && label->pixmap().isNull();
}

void checkLabel(const QLabel* label, std::vector<std::string>& problems) {
    if (!showsText(label))
        return;
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QRect needed = labelTextRect(label);
    if (!room.contains(needed))
        problems.push_back(describe(label) + ": needs " + std::to_string(needed.width()) + "x" +
                           std::to_string(needed.height()) + " px, has " +
                           std::to_string(room.width()) + "x" + std::to_string(room.height()));
}

// The icon and text are centred between the frames; both must keep clear of them.
void checkPushButton(const QPushButton* button, std::vector<std::string>& problems) {
    if (button->text().isEmpty())
        return;
    const QFontMetrics metrics(button->font());
    const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
    int needed = text.width() + 2 * kButtonClearance;
    if (!button->icon().isNull())
        needed += button->iconSize().width() + kIconTextGap;
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int room = button->width() - 2 * frame;
    if (needed > room || text.height() > button->height() - 2 * frame)
        problems.push_back(describe(button) + ": needs " + std::to_string(needed) + " px, has " +
                           std::to_string(room));
}

void checkGroupBox(const QGroupBox* group, std::vector<std::string>& problems) {
    const int needed =
        QFontMetrics(group->font()).size(Qt::TextShowMnemonic, group->title()).width();
    if (needed > group->width())
        problems.push_back(describe(group) + ": title needs " + std::to_string(needed) + " px");
}

void checkComboBox(const QComboBox* combo, std::vector<std::string>& problems) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const int room =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    const QFontMetrics metrics(combo->font());
    for (int i = 0; i < combo->count(); ++i) {
        if (metrics.horizontalAdvance(combo->itemText(i)) > room)
            problems.push_back(describe(combo) + ": entry \"" + combo->itemText(i).toStdString() +
                               "\" needs more than " + std::to_string(room) + " px");
    }
}

// A menu bar hides what does not fit behind an arrow; a menu opens at its size hint, as wide as
// its longest entry unless the screen is narrower.
void checkMenuEntries(const QWidget* menuOwner, const QList<QAction*>& actions,
                      std::vector<std::string>& problems) {
    const auto* bar = qobject_cast<const QMenuBar*>(menuOwner);
    const auto* menu = qobject_cast<const QMenu*>(menuOwner);
    const QRect room = bar ? bar->rect() : QRect(QPoint(), menu->sizeHint());
    const QFontMetrics metrics(menuOwner->font());
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QRect where = bar ? bar->actionGeometry(action) : menu->actionGeometry(action);
        const int needed = metrics.size(Qt::TextShowMnemonic, action->text()).width();
        if (where.isEmpty() || !room.contains(where) || where.width() < needed)
            problems.push_back(std::string(menuOwner->metaObject()->className()) + " entry \"" +
                               action->text().toStdString() + "\" is cut or hidden");
    }
}

// What a sibling of other controls covers: the ink of a label, the whole of anything else.
std::optional<QRect> coveredArea(const QWidget* widget) {
    if (widget->isHidden())
        return std::nullopt;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (!showsText(label))
            return std::nullopt;
        return labelTextRect(label).translated(label->pos());
    }
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
        qobject_cast<const QComboBox*>(widget))
        return widget->geometry();
    return std::nullopt;
}

void checkOverlaps(const QWidget* parent, std::vector<std::string>& problems) {
    std::vector<std::pair<const QWidget*, QRect>> covered;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || isPartOfAControl(child))
            continue;
        if (const std::optional<QRect> area = coveredArea(child)) {
            for (const auto& [other, otherArea] : covered) {
                if (area->intersects(otherArea))
                    problems.push_back(describe(child) + " overlaps " + describe(other));
            }
            covered.emplace_back(child, *area);
        }
    }
}

bool isReachable(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

// On Linux Qt gives a list the entry it shows as its name; what it is for comes from its label.
QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (!accessible)
        return {};
    if (!qobject_cast<const QComboBox*>(widget))
        return accessible->text(QAccessible::Name);
    QString labels;
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
        labels += label->text(QAccessible::Name);
    return labels;
}

} // namespace

std::vector<std::string> captionsThatDoNotFit(const QWidget& window) {
    std::vector<std::string> problems;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    checkOverlaps(&window, problems);
    for (const QWidget* widget : widgets) {
        if (widget->isWindow()) {
            const auto* menu = qobject_cast<const QMenu*>(widget);
            if (menu && isWindowMenu(menu))
                checkMenuEntries(menu, menu->actions(), problems);
            continue;
        }
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            checkMenuEntries(bar, bar->actions(), problems);
        if (isPartOfAControl(widget))
            continue;
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            problems.push_back(describe(widget) + " lies outside its parent");
        checkOverlaps(widget, problems);
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            checkLabel(label, problems);
        else if (const auto* button = qobject_cast<const QPushButton*>(widget))
            checkPushButton(button, problems);
        else if (const auto* other = qobject_cast<const QAbstractButton*>(widget);
                 other && other->sizeHint().width() > other->width())
            problems.push_back(describe(other) + " is narrower than its caption");
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            checkGroupBox(group, problems);
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            checkComboBox(combo, problems);
    }
    return problems;
}

std::vector<std::string> controlsWithoutNames(const QWidget& window) {
    std::vector<std::string> problems;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isWindow() || isPartOfAControl(widget))
            continue;
        if (isReachable(widget) && accessibleName(widget).trimmed().isEmpty())
            problems.push_back(describe(widget) + " has no accessible name");
    }
    return problems;
}

std::string listed(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems)
        text += "\n  " + problem;
    return text;
}
