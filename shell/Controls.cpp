#include "shell/Controls.h"

#include "shell/Fonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Fonts::caption());
    label->setGeometry(where);
    return label;
}

QLineEdit* addEditBox(QWidget* parent, const QString& name, const QRect& where, const QFont& font) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setGeometry(where);
    return box;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& where) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(Fonts::button());
    button->setGeometry(where);
    button->setAutoDefault(false);
    return button;
}

QFrame* addPanel(QWidget* parent, const QString& name, const QRect& where) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(where);
    panel->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: #F4F7FC; "
                                        "border: 1px solid #9DB3D6; border-radius: 6px; }")
                             .arg(name));
    panel->lower();
    return panel;
}
