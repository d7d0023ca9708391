// SPDX-License-Identifier: EUPL-1.2
// The per-user data folder, the listing of its data files and the status messages.
#include "UAuxiliar.h"

#include <QDir>
#include <QStandardPaths>

#include <utility>

namespace {

MsgBarSink &Sink()
{
    static MsgBarSink sink;
    return sink;
}

} // namespace

QString LocalAppDataPath()
{
    // The same folder as AppLocalDataLocation with the application name
    // "telvo" ($XDG_DATA_HOME/telvo), but it needs no application object and
    // does not depend on the name having been set yet.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/telvo");
}

QString GetDataPath()
{
    return LocalAppDataPath() + u'/';
}

// The data files lie directly in the data folder, so sub-folders are never
// searched and the recursive flag is ignored.
void FindFilesNames(const QString &StartDir, const QString &FileMask, bool /*recursively*/, QStringList &FilesList)
{
    QString carpeta = StartDir;
    if (!carpeta.endsWith(u'/'))
        carpeta += u'/';
    // Without QDir::CaseSensitive the mask matches without regard to case. The
    // file system gives no order of its own; sorting keeps the listing stable.
    const QStringList nombres =
        QDir(carpeta).entryList({FileMask}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QString &nombre : nombres) {
        const qsizetype punto = nombre.lastIndexOf(u'.');
        // A file named only by its extension (".zov") names no application.
        if (punto != 0)
            FilesList.append(punto < 0 ? nombre : nombre.left(punto));
    }
}

void SetMsgBarSink(MsgBarSink sink)
{
    Sink() = std::move(sink);
}

bool MsgBar(const QString &sCadena)
{
    try {
        // A copy, so that a sink that replaces itself while it runs stays alive.
        const MsgBarSink sink = Sink();
        if (!sink)
            return false;
        sink(sCadena);
        return true;
    } catch (...) {
        return false;
    }
}
