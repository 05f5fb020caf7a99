// The conversions between the dialogs' texts, UTF-8 in a std::string, and Qt's QString, shared by
// the files that define QtDialogWindow.
#pragma once

#include <QString>

#include <string>

inline QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}
