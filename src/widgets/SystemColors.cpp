#include "widgets/SystemColors.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>

#include <array>

namespace {

struct SystemColorRole
{
    int number;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's colour numbers and the palette roles that play the same part.
constexpr std::array<SystemColorRole, 19> SystemColorRoles{{
    {1, QPalette::Active, QPalette::Window},           // background (desktop)
    {4, QPalette::Active, QPalette::Window},           // menu
    {5, QPalette::Active, QPalette::Base},             // window
    {6, QPalette::Active, QPalette::Dark},             // window frame
    {7, QPalette::Active, QPalette::WindowText},       // menu text
    {8, QPalette::Active, QPalette::Text},             // window text
    {9, QPalette::Active, QPalette::WindowText},       // caption text
    {12, QPalette::Active, QPalette::Window},          // application workspace
    {13, QPalette::Active, QPalette::Highlight},       // highlight
    {14, QPalette::Active, QPalette::HighlightedText}, // highlight text
    {15, QPalette::Active, QPalette::Button},          // button face
    {16, QPalette::Active, QPalette::Dark},            // button shadow
    {17, QPalette::Disabled, QPalette::Text},          // gray text
    {18, QPalette::Active, QPalette::ButtonText},      // button text
    {20, QPalette::Active, QPalette::Light},           // 3D highlight
    {21, QPalette::Active, QPalette::Shadow},          // 3D dark shadow
    {22, QPalette::Active, QPalette::Midlight},        // 3D light
    {23, QPalette::Active, QPalette::ToolTipText},     // info text
    {24, QPalette::Active, QPalette::ToolTipBase},     // info background
}};

} // namespace

bool isSystemColor(qint32 stored)
{
    return (stored & SystemColorFlag) != 0;
}

qint32 systemColorValue(int number)
{
    return SystemColorFlag | (number & 0xFF);
}

int systemColorNumber(const QString &name)
{
    if (name.compare(QLatin1String("WindowText"), Qt::CaseInsensitive) == 0)
        return 8;
    if (name.compare(QLatin1String("Window"), Qt::CaseInsensitive) == 0)
        return 5;
    return -1;
}

QColor colorFromStored(qint32 stored, const QPalette &palette)
{
    const auto bits = quint32(stored);
    if (isSystemColor(stored)) {
        const int number = int(bits & 0x00FFFFFF);
        for (const SystemColorRole &entry : SystemColorRoles) {
            if (entry.number == number)
                return palette.color(entry.group, entry.role);
        }
        return palette.color(QPalette::Active, QPalette::Text);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

QColor colorFromStored(qint32 stored)
{
    return colorFromStored(stored, QGuiApplication::palette());
}

qint32 storedFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return qint32(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}

namespace {
double relativeLuminance(const QColor &color)
{
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

QColor readableOn(const QColor &color, const QColor &background)
{
    // Below 3:1 text is hard to read; the default dark colours fall below it on a dark window.
    constexpr double LeastContrast = 3.0;
    if (!color.isValid() || !background.isValid() || contrastRatio(color, background) >= LeastContrast)
        return color;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    color.getHslF(&hue, &saturation, &lightness);
    const QColor mirrored = QColor::fromHslF(hue, saturation, 1.0f - lightness);
    return contrastRatio(mirrored, background) > contrastRatio(color, background) ? mirrored : color;
}
