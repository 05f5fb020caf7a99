#include "platform/qt/DialogUnits.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace {

// number * numerator / denominator, rounded half away from zero: the rounding the templates'
// framework applies, so a 1-unit gap never collapses to nothing on a small font.
int MulDiv(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average over 52 letters, rounded the way the templates' framework rounds it.
    m_baseX = (width / 26 + 1) / 2;
    m_baseY = metrics.height();
    if (m_baseX < 1)
        m_baseX = 1;
    if (m_baseY < 1)
        m_baseY = 1;
}

DialogUnits::DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY)
{
}

int DialogUnits::ToPixelsX(int dialogUnits) const
{
    return MulDiv(dialogUnits, m_baseX, 4);
}

int DialogUnits::ToPixelsY(int dialogUnits) const
{
    return MulDiv(dialogUnits, m_baseY, 8);
}

QRect DialogUnits::ToPixels(const ControlTemplate& control) const
{
    return QRect(ToPixelsX(control.x), ToPixelsY(control.y), ToPixelsX(control.cx),
                 ToPixelsY(control.cy));
}

QSize DialogUnits::ToPixels(const DialogTemplate& dialogTemplate) const
{
    return QSize(ToPixelsX(dialogTemplate.cx), ToPixelsY(dialogTemplate.cy));
}

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    const int points = dialogTemplate.fontPoints > 0 ? dialogTemplate.fontPoints : 8;
    // The layouts were drawn for a narrow sans face: a wider one overflows the labels (say
    // "Path Loss:" wrapping into a box one line high). Where the template's face is missing,
    // a metric-compatible narrow face keeps every label whole.
    QStringList families;
    if (dialogTemplate.fontName && *dialogTemplate.fontName)
        families << QString::fromUtf8(dialogTemplate.fontName);
    families << QStringLiteral("Liberation Sans") << QStringLiteral("Arimo") << QStringLiteral("Arial");
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return QFont(family, points);
    return QApplication::font();
}
