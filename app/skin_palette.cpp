#include "app/skin_palette.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

QPalette skinPalette()
{
    const QColor ground(0x2b, 0x2b, 0x2b);
    const QColor field(0x1e, 0x1e, 0x1e);
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor dimText(0x8c, 0x8c, 0x8c);
    // The red of the skin's menus and buttons.
    const QColor selection(0x8f, 0x20, 0x20);

    QPalette p;
    // setColor without a group sets all three groups; Disabled is then set apart.
    p.setColor(QPalette::Window, ground);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, field);
    p.setColor(QPalette::AlternateBase, QColor(0x26, 0x26, 0x26));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::PlaceholderText, dimText);
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x5a, 0x5a, 0x5a));
    p.setColor(QPalette::Midlight, QColor(0x48, 0x48, 0x48));
    p.setColor(QPalette::Mid, QColor(0x32, 0x32, 0x32));
    p.setColor(QPalette::Dark, QColor(0x1a, 0x1a, 0x1a));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, selection);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0xff, 0x8a, 0x8a));
    p.setColor(QPalette::LinkVisited, QColor(0xd9, 0x8a, 0xd9));
    p.setColor(QPalette::ToolTipBase, QColor(0x1a, 0x1a, 0x1a));
    p.setColor(QPalette::ToolTipText, text);

    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::HighlightedText, QPalette::PlaceholderText})
        p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::Base, ground);
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(0x33, 0x33, 0x33));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x4a, 0x4a, 0x4a));
    return p;
}

void useSkinPalette()
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(skinPalette());
}
