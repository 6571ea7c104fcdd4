#include "routes/routedefview.h"

#include "routes/routeextraction.h"

#include "core/constants.h"
#include "core/exportfile.h"
#include "core/fieldwidth.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>

namespace {

int untitledCounter = 1; // numbers new plans for the whole run; never reused

bool hasPlanExtension(const QString& name)
{
    return name.endsWith(QLatin1Char('.') + extRoutePlan, Qt::CaseInsensitive);
}

} // namespace

RouteDefView::RouteDefView() : tree(new QTreeView)
{
    setMinimumWidth(340);
    newFile();
    setWindowIcon(QIcon(QStringLiteral(":/images/chk.ico")));
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(tree);
    // Model and delegates are set once, so the selection model (and its connection) stays.
    tree->setModel(&routeModel);
    tree->setItemDelegate(&delegate);
    tree->setItemDelegateForColumn(5, &columnDelegate);
    Reinitialize();
    connect(&appSettings(), &Settings::optionsChanged, this, &RouteDefView::Reinitialize);
    connect(&routeModel, &RouteDefModel::dataChanged, this, &RouteDefView::contentsChanged);
    connect(&routeModel, &RouteDefModel::rowsInserted, this, &RouteDefView::newRowsAdded);
    connect(&routeModel, &RouteDefModel::rowsRemoved, this, &RouteDefView::contentsChanged);
    connect(&routeModel, &RouteDefModel::modelReset, this, &RouteDefView::contentsChanged);
    connect(tree, &QTreeView::clicked, this, &RouteDefView::ClickCatcher);
    connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RouteDefView::selectChange);
}

RouteDefView::~RouteDefView()
{
    // The tree refers to the model and delegates held here: it goes first.
    delete tree;
}

QSize RouteDefView::sizeHint() const
{
    return QSize(640, 400);
}

void RouteDefView::Reinitialize()
{
    const QFontMetrics metrics(documentFont());
    const int h = metrics.height() + 2;
    const int d = metrics.horizontalAdvance(QLatin1Char('9'));
    const int w = metrics.horizontalAdvance(QLatin1Char('W'));
    tree->setSelectionBehavior(QAbstractItemView::SelectItems);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setAllColumnsShowFocus(true);
    tree->setUniformRowHeights(true);
    tree->setAlternatingRowColors(appSettings().flags & OptAlternateBack);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(w);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    // The captions around the times and numbers are translated: the columns follow them.
    int fixed = h;
    for (int c = 1; c <= 4; ++c) {
        int width = qMax(w, columnWidthFor(tree, documentFont(), RouteDefDelegate::columnTexts(c)));
        // The tolerance editor's arrows take room a small font does not give back.
        if (c == 1)
            width = qMax(width, RouteDefDelegate::toleranceEditorWidth());
        header->resizeSection(c, width);
        fixed += header->sectionSize(c);
    }
    header->resizeSection(5, h);
    header->setMinimumWidth(32 * d + fixed); // the names keep room for 32 digits
    tree->doItemsLayout();
    update();
}

void RouteDefView::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Reinitialize();
}

void RouteDefView::collapseAll()
{
    tree->collapseAll();
}

void RouteDefView::expandAll()
{
    tree->expandAll();
}

void RouteDefView::expandDefault()
{
    tree->setCurrentIndex(routeModel.routesGroupIndex());
    tree->collapseAll();
    tree->expand(routeModel.settingsIndex());
    tree->expand(routeModel.routesGroupIndex());
}

void RouteDefView::newFile()
{
    curFile = tr("útvonalterv%1.%2").arg(QString::number(untitledCounter++), extRoutePlan);
    setWindowTitle(curFile + QStringLiteral("[*]"));
    setWindowModified(true);
}

void RouteDefView::setCurrentFile(const QString& fileName)
{
    curFile = appSettings().workPath(fileName);
    setWindowModified(false);
    const QString shown = QFileInfo(curFile).fileName();
    setWindowTitle(shown + QStringLiteral("[*]"));
    setObjectName(shown);
}

bool RouteDefView::loadFile(const QString& fileName, QString* failure)
{
    QWidget* parent = failure ? nullptr : this;
    if (hasPlanExtension(fileName)) {
        rememberDiskState(appSettings().workPath(fileName));
        if (routeModel.load(fileName, parent)) {
            setCurrentFile(fileName);
            return true;
        }
        setWindowModified(true);
        if (failure)
            *failure = routeModel.lastError();
        return false;
    }
    const bool ok = routeModel.import(fileName, parent);
    if (ok)
        setCurrentFile(fileName);
    else if (failure)
        *failure = routeModel.lastError();
    setWindowModified(true); // an imported plan is saved as "erd" next
    return ok;
}

bool RouteDefView::openOrCreate(const QString& fileName)
{
    rememberDiskState(appSettings().workPath(fileName));
    if (QFileInfo::exists(appSettings().workPath(fileName))) {
        if (!routeModel.load(fileName, this))
            return false;
    } else {
        routeModel.setFileName(fileName);
    }
    setCurrentFile(fileName);
    return true;
}

bool RouteDefView::save()
{
    if (routeModel.fileName().isEmpty())
        return saveAs();
    if (isWindowModified())
        routeModel.setModified(true); // what the window shows as unsaved is written
    const bool writes = routeModel.isModified();
    const QString path = routeModel.filePath().isEmpty() ? appSettings().workPath(routeModel.fileName())
                                                         : routeModel.filePath();
    if (writes && !mayWriteOver(this, path))
        return false;
    if (!routeModel.save(this))
        return false;
    setCurrentFile(routeModel.filePath());
    if (writes)
        rememberWritten(routeModel.filePath(), routeModel.writtenDigest());
    return true;
}

bool RouteDefView::saveAs()
{
    const QString name = askSaveFileName(this, tr("Útvonal terv mentés"), appSettings().workPath(curFile),
                                         tr("Őrjárat leírások (*.%1)").arg(extRoutePlan), extRoutePlan, QString(),
                                         Prompts::documentLabels());
    if (name.isEmpty())
        return false;
    if (!routeModel.saveAs(name, this, true))
        return false;
    setCurrentFile(routeModel.filePath());
    rememberWritten(routeModel.filePath(), routeModel.writtenDigest());
    return true;
}

bool RouteDefView::maybeSave()
{
    if (!isWindowModified())
        return true;
    const int answer = Prompts::choose(this, Prompts::Kind::Warning, tr("Útvonal terv"),
                                       tr("\"%1\" fájl módosult.\nElmentsük a változásokat?").arg(curFile),
                                       {tr("Mentsük"), tr("Ne mentsük"), tr("Mégsem")}, true);
    if (answer == 0)
        return save();
    return answer == 1;
}

void RouteDefView::closeEvent(QCloseEvent* event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void RouteDefView::contextMenuEvent(QContextMenuEvent* event)
{
    emit LocalMenuInvoked(event);
}

void RouteDefView::contentsChanged()
{
    setWindowModified(true);
}

void RouteDefView::newRowsAdded(QModelIndex parent, int start, int)
{
    if (addingMany) {
        lastAdded = routeModel.index(start, 0, parent);
        return;
    }
    tree->setCurrentIndex(routeModel.index(start, 0, parent));
    setWindowModified(true);
}

RouteDefView::AddingMany::AddingMany(RouteDefView& view) : m_view(view)
{
    m_view.addingMany = true;
    m_view.lastAdded = QPersistentModelIndex();
}

RouteDefView::AddingMany::~AddingMany()
{
    m_view.addingMany = false;
    if (!m_view.lastAdded.isValid())
        return;
    // Where adding them one by one would have left the tree.
    m_view.tree->setCurrentIndex(m_view.lastAdded);
    m_view.lastAdded = QPersistentModelIndex();
    m_view.setWindowModified(true);
}

void RouteDefView::selectChange()
{
    const RouteItemKind k = currentKind();
    emit stayOnRoute(k >= RouteItem);
    emit stayOnStart(k == StartItem);
    emit stayOnPoint(k == PointItem);
}

RouteItemKind RouteDefView::currentKind() const
{
    return routeModel.itemFromIndex(tree->currentIndex())->kind();
}

int RouteDefView::selectedRouteRow() const
{
    const QModelIndex current = tree->currentIndex().siblingAtColumn(0);
    switch (currentKind()) {
    case RouteItem:
        return current.row();
    case StartGroupItem:
    case PointGroupItem:
        return current.parent().row();
    case StartItem:
    case PointItem:
        return current.parent().parent().row();
    default:
        return -1;
    }
}

void RouteDefView::ClickCatcher(QModelIndex index)
{
    if (index.column() != 5)
        return;
    switch (index.data().toInt()) {
    case LogGroupItem:
        addLog();
        break;
    case LogItem:
        removeLog();
        break;
    case RouteGroupItem:
        addRoute();
        break;
    case RouteItem:
        removeRoute();
        break;
    case StartGroupItem:
        addStart();
        break;
    case StartItem:
        removeStart();
        break;
    case PointGroupItem:
        addPoint();
        break;
    case PointItem:
        removePoint();
        break;
    default:
        break;
    }
}

bool RouteDefView::addLogName(const QString& name)
{
    const bool added = routeModel.addLog(RouteDefModel::nameKey(name));
    if (added)
        emit haveLog(true);
    return added;
}

int RouteDefView::addRouteRecord(const RouteHead& head)
{
    const int row = routeModel.addRoute(head);
    if (row >= 0)
        emit haveRoute(true);
    return row;
}

bool RouteDefView::addExtractedRoute(const ExtractedRoute& route)
{
    int row = -1;
    {
        const AddingMany adding(*this);
        row = ::addExtractedRoute(
            routeModel, route, [this](const QString& name) { return addLogName(name); },
            [this](const RouteHead& head) { return addRouteRecord(head); });
    }
    if (row >= 0)
        return true;
    Prompts::warning(this, QCoreApplication::translate("MainWindow", "Naplóból útvonal terv kiemelése"),
                     QCoreApplication::translate("MainWindow", "Sikertelen ellenőrző pont felvétel!"));
    return false;
}
