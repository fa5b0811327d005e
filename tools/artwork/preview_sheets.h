#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <map>

namespace tivak::artwork {

// Pictures for looking the artwork over: a contact sheet of every file, and each page as the
// reader sees it, with its speaker buttons drawn where the program puts them.
void writePreviewSheets(const QDir &folder, const std::map<QString, QByteArray> &files);

} // namespace tivak::artwork
