// The program's version, shown in the About box and stamped on the build.
#pragma once

inline constexpr const char* KorToolsVersion = "7.10.1.0";
inline constexpr const char* KorToolsCompany = "Tessaline Systems Ltd";
