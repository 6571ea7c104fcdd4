#include "eventlog/logmodel.h"

#include "codenames/kodnevmodel.h"
#include "codenames/unnamedpointdlg.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

void LogModel::nameUnnamedPoints()
{
    KodNevModel* names = appSettings().kodNevModel;
    KodNev entry;
    UnNamedPointDlg dlg;
    dlg.setModal(true);
    const int n = rowCount();
    dlg.setProgressRange(n);
    dlg.show();
    for (int i = 0; i < n; ++i) {
        dlg.setProgress(i);
        if (dlg.exitClicked)
            break;
        if (i >= m_entries.size())
            break;
        const LogEntry e = m_entries.at(i); // a copy: events run while the dialog waits
        if (!e.isTouch() || e.isNamed())
            continue;
        if (!dlg.askName(e.codeText()))
            continue;
        if (entry.set(e.codeText(), dlg.nevEdit->text(), dlg.ervenyesEdit->date(), dlg.backgroundColor,
                      dlg.foregroundColor))
            names->addEntry(entry, false);
        else
            Prompts::warning(nullptr, tr("A bejegyzés nem lett felvéve!"),
                             tr("Nem megfelelő név: %1\n").arg(dlg.nevEdit->text()));
    }
    names->save();
    dlg.close();
}
