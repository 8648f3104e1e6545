// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/CaptionedComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

// What Qt's own list interface offers (the popup as its child, opening it), named as a widget.
class CaptionedComboAccessible : public QAccessibleWidget {
public:
    explicit CaptionedComboAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* captionedComboAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(CaptionedComboBox::staticMetaObject.className()))
        return new CaptionedComboAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

CaptionedComboBox::CaptionedComboBox(QWidget* parent)
    : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(captionedComboAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
