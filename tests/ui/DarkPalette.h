#pragma once
#include <QPalette>

// A dark desktop as many Fusion users set it up: light text on dark grey, blue links and
// highlights. Tests and screenshots use it to check the windows on a dark theme.
inline QPalette DarkPalette() {
    const QColor window(53, 53, 53), base(35, 35, 35), text(Qt::white), accent(42, 130, 218);
    QPalette dark;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window},
                                       {QPalette::WindowText, text},
                                       {QPalette::Base, base},
                                       {QPalette::AlternateBase, window},
                                       {QPalette::ToolTipBase, base},
                                       {QPalette::ToolTipText, text},
                                       {QPalette::Text, text},
                                       {QPalette::Button, window},
                                       {QPalette::ButtonText, text},
                                       {QPalette::BrightText, QColor(Qt::red)},
                                       {QPalette::Link, accent},
                                       {QPalette::Highlight, accent},
                                       {QPalette::HighlightedText, QColor(Qt::black)}}) {
        dark.setColor(role, colour);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    }
    return dark;
}
