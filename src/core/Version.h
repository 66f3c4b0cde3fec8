#pragma once

#include <QString>

namespace kalvor {

inline const QString kProductName = QStringLiteral("Kalvor");
inline const QString kSplashVersion = QStringLiteral("Inačica 1.5.2");
inline const QString kAboutVersion = QStringLiteral("Inačica 1.5");
inline const QString kRightsNotice = QStringLiteral("© Kalvor - sva prava pridržana");

} // namespace kalvor
