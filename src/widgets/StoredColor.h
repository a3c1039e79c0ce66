#pragma once

#include <QtGlobal>

// Colours are stored as 32-bit signed numbers: 0x00BBGGRR for an explicit colour (red in the low
// byte), 0x800000nn for the desktop's colour number nn.
inline constexpr qint32 SystemColorFlag = qint32(0x80000000u);
inline constexpr qint32 SystemWindowTextColor = qint32(0x80000008u);
inline constexpr qint32 SystemWindowColor = qint32(0x80000005u);
