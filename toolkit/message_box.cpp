#include "message_box.h"

#include <QMessageBox>

namespace tivak {

MessageBoxAnswer askOkCancel(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tivak"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? MessageBoxAnswer::Ok : MessageBoxAnswer::Cancel;
}

} // namespace tivak
