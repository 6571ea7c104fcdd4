#include "codenames/pointselectpopupdlg.h"

#include "codenames/kodnevmodel.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

namespace {
constexpr int nameColumn = 3;
constexpr int codeColumn = 2;
} // namespace

PointSelectPopUpDlg::PointSelectPopUpDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    listView->setModel(appSettings().kodNevModel);
    listView->setModelColumn(nameColumn);
}

PointSelectPopUpDlg::~PointSelectPopUpDlg() = default;

QString PointSelectPopUpDlg::selectedCode() const
{
    const QModelIndex current = listView->currentIndex();
    if (!current.isValid())
        return QString();
    return current.model()->index(current.row(), codeColumn).data(Qt::DisplayRole).toString();
}

int PointSelectPopUpDlg::exec()
{
    if (appSettings().kodNevModel->rowCount() == 0) {
        Prompts::warning(this, tr("Ellenőrző pont kiválasztás"), tr("Nincs egyetlen elnevezett ellenőrző pont sem!"));
        return 0;
    }
    // Taking the focus, the list makes its first row current without marking it, and
    // "Kiválaszt" would take a row nobody saw chosen: open with that row marked.
    if (!listView->currentIndex().isValid())
        listView->setCurrentIndex(listView->model()->index(0, nameColumn));
    return QDialog::exec();
}

void PointSelectPopUpDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
