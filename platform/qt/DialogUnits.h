// Dialog units to pixels, by the rule the templates were laid out with: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth of its height.
#pragma once

#include "platform/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QSize>

class DialogUnits {
public:
    // Base units measured on this font.
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY);

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

    int ToPixelsX(int dialogUnits) const;
    int ToPixelsY(int dialogUnits) const;
    // Position and size converted separately, as the templates' own framework does, so a
    // control's width does not depend on where it stands.
    QRect ToPixels(const ControlTemplate& control) const;
    QSize ToPixels(const DialogTemplate& dialogTemplate) const;

private:
    int m_baseX;
    int m_baseY;
};

// The font the template names when it is installed here; otherwise the application's font.
QFont DialogFont(const DialogTemplate& dialogTemplate);
