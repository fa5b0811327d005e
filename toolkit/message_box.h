#pragma once

#include <QString>

class QWidget;

namespace tivak {

enum class MessageBoxAnswer
{
    Ok = 1,
    Cancel = 2
};

// Asks a question with OK and Cancel, OK the default, no icon, titled with the program's title.
// Modal. Cancel, Esc and closing the box all answer Cancel.
MessageBoxAnswer askOkCancel(QWidget *parent, const QString &text);

} // namespace tivak
