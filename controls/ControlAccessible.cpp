#include "controls/ControlAccessible.h"

#include "controls/TBitCheckBox.h"
#include "controls/TFrogButton.h"
#include "controls/TOffice97Button.h"

namespace {
QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("TFrogButton"))
        return new ControlAccessible(widget, static_cast<TFrogButton*>(widget)->accessibleRole());
    if (className == QLatin1String("TBitCheckBox"))
        return new ControlAccessible(widget, QAccessible::CheckBox);
    if (className == QLatin1String("TOffice97Button"))
        return new ControlAccessible(widget, QAccessible::ListItem);
    return nullptr;
}

// "&" marks the accelerator letter; "&&" stands for one ampersand.
QString WithoutAccelerator(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text.trimmed();
}
}  // namespace

ControlAccessible::ControlAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

void ControlAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

QString ControlAccessible::caption() const
{
    if (const auto* button = qobject_cast<const TFrogButton*>(widget()))
        return button->text();
    if (const auto* box = qobject_cast<const TBitCheckBox*>(widget()))
        return box->caption();
    if (const auto* row = qobject_cast<const TOffice97Button*>(widget()))
        return row->caption();
    return {};
}

QAccessible::Role ControlAccessible::role() const
{
    if (const auto* button = qobject_cast<const TFrogButton*>(widget()))
        return button->accessibleRole();
    return QAccessibleWidget::role();
}

QString ControlAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return WithoutAccelerator(caption());
    return QAccessibleWidget::text(t);
}

QAccessible::State ControlAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto* box = qobject_cast<const TBitCheckBox*>(widget())) {
        s.checkable = true;
        s.checked = box->isChecked();
    } else if (const auto* button = qobject_cast<const TFrogButton*>(widget())) {
        if (role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = button->isDown();
        }
    }
    return s;
}

QStringList ControlAccessible::actionNames() const
{
    if (!widget()->isEnabled())
        return {};
    return {role() == QAccessible::CheckBox ? toggleAction() : pressAction()};
}

void ControlAccessible::doAction(const QString& actionName)
{
    if (!widget()->isEnabled() || !actionNames().contains(actionName))
        return;
    if (auto* box = qobject_cast<TBitCheckBox*>(widget()))
        box->click();
    else if (auto* button = qobject_cast<TFrogButton*>(widget()))
        button->click();
    else if (auto* row = qobject_cast<TOffice97Button*>(widget()))
        row->click();
}
