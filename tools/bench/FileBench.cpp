#include "FileBench.h"

#include "FileText.h"
#include "Measure.h"

#include "history/ChangesListModel.h"
#include "history/HistoryLoader.h"
#include "mainwin/ChangeRowsText.h"
#include "search/HitDelegate.h"
#include "search/LineSearch.h"
#include "search/SearchResults.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <optional>

// The statistics rules come with their own folder; where it is not there yet, they are skipped.
#if __has_include("stats/StatisticsComputation.h")
#include "stats/StatisticsComputation.h"
#define VELOMIR_BENCH_HAS_STATS 1
#endif

namespace {

int countOf(const QByteArray &grepOutput)
{
    return grepOutput.trimmed().toInt();
}

} // namespace

FileBench::FileBench(QString path, int reps, BenchWords words)
    : m_path(std::move(path))
    , m_reps(reps)
    , m_words(std::move(words))
    , m_settings(DetectionSettings::defaults())
    , m_view(std::make_unique<QTableView>())
    , m_model(std::make_unique<ChangesListModel>())
{
    // Set up as the main window sets up lvChangesList.
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setSectionsMovable(true);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setModel(m_model.get());
    m_view->resize(900, 600);
    m_view->show();
    QCoreApplication::processEvents();
}

FileBench::~FileBench() = default;

FileFigures FileBench::run()
{
    m_result = FileFigures();
    m_result.path = m_path;
    m_result.bytes = QFileInfo(m_path).size();
    const FileText text = inspectFile(m_path); // the file is measured warm in the page cache
    m_result.encoding = text.encoding;
    m_accentedNeedle = text.ascii ? withoutAccents(m_words.accented) : m_words.accented;
    measureBaselines();
    measureLoad();
    m_result.lines = m_document.lines.size();
    m_result.releases = static_cast<int>(m_document.releases.size());
    measureViews();
    measureSearches();
    measureStatistics();
    measureCopy();
    measureScroll();
    m_model->setContent(nullptr, {});
    m_document = HistoryDocument();
    return m_result;
}

Figure &FileBench::add(const QString &key, const QString &label, Baseline base, double ms,
                       const QString &note, bool userAction)
{
    m_result.figures.push_back(Figure{key, label, base, ms, note, userAction});
    return m_result.figures.back();
}

void FileBench::measureBaselines()
{
    const ProcessRun wc = medianProcess(m_reps, QStringLiteral("wc"), {QStringLiteral("-l"), m_path});
    add(QStringLiteral("wc_l"), QStringLiteral("wc -l"), Baseline::None, wc.ok ? wc.ms : -1,
        QStringLiteral("%1 lines").arg(QString::fromLatin1(wc.output.trimmed().split(' ').value(0))));
    const QStringList fixed{QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("-F"), m_words.common,
                            m_path};
    const ProcessRun grep = medianProcess(m_reps, QStringLiteral("grep"), fixed);
    add(QStringLiteral("grep_F"), QStringLiteral("grep -c -i -F %1").arg(m_words.common), Baseline::None,
        grep.ok ? grep.ms : -1, QStringLiteral("%1 lines").arg(countOf(grep.output)));
    const QStringList word{QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("-w"),
                           QStringLiteral("-F"), m_words.common,       m_path};
    const ProcessRun grepWord = medianProcess(m_reps, QStringLiteral("grep"), word);
    add(QStringLiteral("grep_wF"), QStringLiteral("grep -c -i -w -F %1").arg(m_words.common), Baseline::None,
        grepWord.ok ? grepWord.ms : -1, QStringLiteral("%1 lines").arg(countOf(grepWord.output)));
}

void FileBench::measureLoad()
{
    std::optional<HistoryDocument> loaded;
    bool ok = true;
    const double ms = medianMs(
        m_reps,
        [&] {
            loaded.emplace();
            ok = ::LoadHistory(m_path, m_settings, *loaded).ok && ok;
        },
        [&] { loaded.reset(); });
    (void)::LoadHistory(m_path, m_settings, m_document);
    add(QStringLiteral("load"), QStringLiteral("load (LoadHistory)"), Baseline::WcLines, ok ? ms : -1,
        QStringLiteral("%1 lines, %2 releases").arg(m_document.lines.size()).arg(m_document.releases.size()))
        .count = m_document.lines.size();
}

void FileBench::showContent(ChangesListContent content)
{
    const ListRow selected = content.selectedRow;
    m_model->setContent(&m_document, std::move(content));
    m_view->clearSelection();
    if (!selected.isNone()) {
        const QModelIndex index = m_model->index(selected.value(), 0);
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        m_view->scrollTo(index);
    }
    m_view->viewport()->repaint();
}

void FileBench::showList(const ChangesView &request)
{
    showContent(BuildChangesList(m_document, request, m_model->takeSpareStorage()));
}

void FileBench::measureViews()
{
    const ReleaseIndex lastRelease = m_document.releaseCount() - 1;
    struct Case
    {
        const char *key;
        const char *label;
        ChangesView request;
    };
    const Case cases[] = {
        {"view_all", "\"All\" view built and shown", {ChangesView::All, ViewFilter::AllChanges, false}},
        {"view_last_release", "last release selected", {lastRelease, ViewFilter::AllChanges, false}},
        {"view_all_fixes",
         "filter switched to fixes (\"All\")",
         {ChangesView::All, ViewFilter::Fixes, false}},
        {"view_all_reversed",
         "order reversed (\"All\", all changes)",
         {ChangesView::All, ViewFilter::AllChanges, true}},
    };
    // The rows alone, without the model and the view, to tell the two costs apart.
    int rows = 0;
    const double rowsMs = medianMs(m_reps, [&] { rows = BuildChangesList(m_document, {}).rows.size(); });
    add(QStringLiteral("view_all_rows"), QStringLiteral("\"All\" rows alone (BuildChangesList)"),
        Baseline::WcLines, rowsMs, QStringLiteral("%1 rows").arg(rows))
        .count = rows;
    for (const Case &c : cases) {
        // Each run replaces a list of the other kind, as a click in the window does.
        const ChangesView other{c.request.releaseIndex.isNone() ? std::max(lastRelease, ReleaseIndex(0))
                                                                : ChangesView::All,
                                ViewFilter::Additions, false};
        const double ms = medianMs(
            m_reps, [&] { showList(c.request); }, [&] { showList(other); });
        showList(c.request);
        add(QString::fromLatin1(c.key), QString::fromLatin1(c.label), Baseline::WcLines, ms,
            QStringLiteral("%1 rows").arg(m_model->rowCount()), true)
            .count = m_model->rowCount();
    }
}

void FileBench::measureSearches()
{
    struct Case
    {
        const char *key;
        QString label;
        QString text;
        int wholeWord;
        Baseline base;
    };
    const Case cases[] = {
        {"findall_word", QStringLiteral("FindAll \"%1\"").arg(m_words.common), m_words.common, 0,
         Baseline::GrepFixed},
        {"findall_absent", QStringLiteral("FindAll \"%1\" (never occurs)").arg(m_words.absent),
         m_words.absent, 0, Baseline::GrepFixed},
        {"findall_whole", QStringLiteral("FindAll \"%1\", whole word").arg(m_words.common), m_words.common, 1,
         Baseline::GrepWord},
        {"findall_nonascii", QStringLiteral("FindAll \"%1\" (not ASCII)").arg(m_words.nonAscii),
         m_words.nonAscii, 0, Baseline::GrepFixed},
        {"findall_accented",
         QStringLiteral("FindAll \"%1\" (accented; without the accent in ASCII)").arg(m_words.accented),
         m_accentedNeedle, 0, Baseline::GrepFixed},
    };
    SearchResults results;
    for (const Case &c : cases) {
        const double ms = medianMs(
            m_reps,
            [&] {
                showContent(
                    results.findAll(m_document, c.text, SearchIn::Everywhere, c.wholeWord != 0, false));
            },
            [&] {
                showList({ChangesView::All, ViewFilter::AllChanges, false});
            });
        add(QString::fromLatin1(c.key), c.label, c.base, ms,
            QStringLiteral("\"%1\": %2 matches").arg(c.text).arg(results.SearchResultLines().size()), true)
            .count = results.SearchResultLines().size();
    }

    // FindString from the top, each search starting after the previous match, to the last one.
    const HistoryLines &lines = m_document.lines;
    int steps = 0;
    std::vector<double> stepMs;
    const double walkMs = medianMs(m_reps, [&] {
        steps = 0;
        stepMs.clear();
        LineIndex start{0};
        for (;;) {
            QElapsedTimer step;
            step.start();
            const LineIndex match = findNext(lines, m_words.common, start, SearchIn::Everywhere, false);
            stepMs.push_back(static_cast<double>(step.nsecsElapsed()) / 1e6);
            if (match.isNone())
                break;
            start = match + 1;
            ++steps;
        }
    });
    const double longest = stepMs.empty() ? 0 : *std::max_element(stepMs.begin(), stepMs.end());
    add(QStringLiteral("findstring_walk"),
        QStringLiteral("FindString \"%1\", top to last match").arg(m_words.common), Baseline::GrepFixed,
        walkMs, QStringLiteral("%1 steps, longest %2 ms").arg(steps).arg(longest, 0, 'f', 2))
        .count = steps;
    add(QStringLiteral("findstring_step"), QStringLiteral("FindString, longest single step"), Baseline::None,
        longest, {}, true);
}

void FileBench::measureStatistics()
{
#ifdef VELOMIR_BENCH_HAS_STATS
    const QString dayFormat = QStringLiteral("dddd");
    std::vector<ReleaseStatsRow> rows = GetVersionList(m_document, dayFormat);
    const double perRelease = medianMs(m_reps, [&] { CalcStatistics2(m_document, rows); });
    std::vector<LineIndex> headers;
    for (const Release &release : m_document.releases)
        headers.push_back(release.headerLine);
    WeekdayCounts counts;
    const double perWeekday = medianMs(m_reps, [&] {
        counts = CalcStatistics(m_document, headers, m_settings.VersionDetectList, dayFormat);
    });
    add(QStringLiteral("stats2"), QStringLiteral("CalcStatistics2, every release"), Baseline::WcLines,
        perRelease, QStringLiteral("%1 rows").arg(rows.size()), true);
    add(QStringLiteral("stats"), QStringLiteral("CalcStatistics, every release"), Baseline::WcLines,
        perWeekday, {}, true);
    add(QStringLiteral("stats_both"), QStringLiteral("CalcStatistics2 + CalcStatistics"), Baseline::WcLines,
        perRelease + perWeekday);
#else
    add(QStringLiteral("stats_both"), QStringLiteral("CalcStatistics2 + CalcStatistics"), Baseline::WcLines,
        -1, QStringLiteral("statistics rules not in this build"));
#endif
}

void FileBench::measureCopy()
{
    showList({ChangesView::All, ViewFilter::AllChanges, false});
    const int rowCount = m_model->rowCount();
    qsizetype copied = 0;
    // What the copy command does with every row selected.
    const double ms = medianMs(m_reps, [&] {
        const QString all = changeRowsText(m_document, m_model->content().rows,
                                           {RowSpan{ListRow{0}, ListRow{rowCount - 1}}}, RowTextColumns{});
        copied = all.size();
    });
    add(QStringLiteral("copy_all"), QStringLiteral("copy every row of \"All\" (cStringBuilder)"),
        Baseline::WcLines, copied >= 0 ? ms : -1,
        QStringLiteral("%1 rows, %2 characters").arg(rowCount).arg(copied), true)
        .count = rowCount;
}

void FileBench::measureScroll()
{
    showList({ChangesView::All, ViewFilter::AllChanges, false});
    constexpr int Pages = 100;
    QScrollBar *bar = m_view->verticalScrollBar();
    // Pages spread over the whole list, each painted, as dragging the scroll bar paints them.
    auto scrollThrough = [&] {
        for (int page = 0; page <= Pages; ++page) {
            bar->setValue(static_cast<int>(qint64(bar->maximum()) * page / Pages));
            m_view->viewport()->repaint();
        }
    };
    const double plainMs = medianMs(m_reps, scrollThrough);
    QAbstractItemDelegate *plain = m_view->itemDelegate();
    HitDelegate hits(*m_model);
    m_view->setItemDelegate(&hits);
    hits.setHighlight({m_words.common, false, NoLine});
    const double hitsMs = medianMs(m_reps, scrollThrough);
    // A letter nearly every row holds, several times: every row painted draws its hits itself.
    hits.setHighlight({QStringLiteral("e"), false, NoLine});
    const double everyRowMs = medianMs(m_reps, scrollThrough);
    m_view->setItemDelegate(plain);
    const QString pages = QStringLiteral("%1 pages of %2 rows").arg(Pages + 1).arg(m_model->rowCount());
    add(QStringLiteral("scroll_plain"), QStringLiteral("\"All\" scrolled top to bottom, painted"),
        Baseline::None, plainMs, pages);
    add(QStringLiteral("scroll_hits"),
        QStringLiteral("the same with the hits of \"%1\" shown").arg(m_words.common), Baseline::None, hitsMs,
        QStringLiteral("%1 ms a page").arg(hitsMs / (Pages + 1), 0, 'f', 2));
    add(QStringLiteral("scroll_hits_every_row"), QStringLiteral("the same with the hits of \"e\" shown"),
        Baseline::None, everyRowMs, QStringLiteral("%1 ms a page").arg(everyRowMs / (Pages + 1), 0, 'f', 2));
}
