#pragma once

#include <QAccessibleWidget>

// What assistive technology learns of the skinned controls through Qt's
// accessibility API: the image button is a push button (or the radio button it
// is made to stand for), the picture check box a check box, a score row a list
// item; each is named by its caption unless given a name of its own, and can be
// pressed or toggled from outside. The interface is found by Qt's factory, so the
// controls need nothing more than their usual creation.
class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* widget, QAccessible::Role role);

    // Makes Qt ask this class for the skinned controls' interfaces; repeats
    // change nothing. Every control calls it as it is made.
    static void Install();

    // An image button's role is read from it each time: it may be set after Qt made this interface.
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QString caption() const;
};
