#include "tab_dialog.h"

#include <QPainter>
#include <QProxyStyle>
#include <QTabBar>
#include <qdrawutil.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "platform/errors/run_time_error.h"
#include "platform/forms/names.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/twips.h"

namespace platform::forms {

namespace {

// Paints the panel under the tab row; the pages on it are transparent.
class TabPanel : public QWidget {
public:
    QTabBar* bar = nullptr;

protected:
    void paintEvent(QPaintEvent*) override
    {
        // The panel has the colour of the form, like the original's, so that opaque labels
        // on it do not show as boxes.
        QPainter painter(this);
        int top = bar ? bar->height() - 1 : 0;
        QRect panel(0, top, width(), height() - top);
        painter.fillRect(panel, palette().window());
        qDrawShadePanel(&painter, panel, palette(), false, 1);
    }
};

// The room left and right of a caption inside its tab, pixels together: as narrow as the
// original's captions sat, where the toolkit's own margins would cut "Formations" short.
constexpr int kCaptionRoom = 8;

class TabRowStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return kCaptionRoom;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// The widths of the tabs of a row `row` pixels wide whose captions need `needed` pixels each.
// The original gave every tab the same share of the row. When a caption does not fit its
// share, each tab gets what its caption needs and the room left over is shared out equally;
// a row too narrow even for that is shared out in proportion to the needs (the captions are
// then shortened with an ellipsis).
std::vector<int> TabWidths(int row, const std::vector<int>& needed)
{
    const int n = static_cast<int>(needed.size());
    if (n == 0 || row <= 0)
        return needed;
    std::vector<int> widths(n);
    const int total = std::accumulate(needed.begin(), needed.end(), 0);
    const int widest = *std::max_element(needed.begin(), needed.end());
    for (int i = 0; i < n; ++i) {
        if (widest <= row / n)
            widths[i] = row / n;
        else if (total <= row)
            widths[i] = needed[i] + (row - total) / n;
        else
            widths[i] = static_cast<int>(static_cast<long long>(row) * needed[i] / total);
    }
    // The pixels the divisions left go to the last tab, so that the row ends at its edge.
    widths[n - 1] += row - std::accumulate(widths.begin(), widths.end(), 0);
    return widths;
}

// The tab row of the dialog, its tabs laid out by TabWidths.
class TabRow : public QTabBar {
public:
    explicit TabRow(QWidget* parent)
        : QTabBar(parent)
    {
        auto* style = new TabRowStyle;
        style->setParent(this);
        setStyle(style);
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize hint = QTabBar::tabSizeHint(index);
        std::vector<int> needed;
        for (int i = 0; i < count(); ++i)
            needed.push_back(fontMetrics().horizontalAdvance(tabText(i)) + kCaptionRoom);
        hint.setWidth(TabWidths(width(), needed)[index]);
        return hint;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

TabDialog::TabDialog(int pages)
    : Control(new TabPanel)
    , m_bar(new TabRow(Widget()))
{
    static_cast<TabPanel*>(Widget())->bar = m_bar;
    m_bar->setExpanding(false);
    m_bar->setDrawBase(false);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideRight);
    SetTabs(pages);
    QObject::connect(m_bar, &QTabBar::currentChanged, m_bar, [this](int page) {
        if (page < 0 || page == m_current)
            return;
        ShowPage(page);
        Raise("Click", Click);
    });
}

void TabDialog::SetTabs(int count)
{
    Quiet quiet(m_bar);
    while (Tabs() < count) {
        auto* page = new QWidget(Widget());
        page->setGeometry(Widget()->rect());
        page->setVisible(Tabs() == m_current);
        m_pages.push_back(page);
        m_bar->addTab(QString());
    }
    m_bar->raise();
}

void TabDialog::CheckPage(int page) const
{
    if (page < 0 || page >= Tabs())
        platform::Raise(380);
}

void TabDialog::ShowPage(int page)
{
    m_previous = m_current;
    m_current = page;
    {
        Quiet quiet(m_bar);
        m_bar->setCurrentIndex(page);
    }
    for (int i = 0; i < Tabs(); ++i)
        m_pages[i]->setVisible(i == page);
    m_bar->raise();
}

void TabDialog::SetTab(int page)
{
    CheckPage(page);
    if (page == m_current)
        return;
    ShowPage(page);
    Raise("Click", Click);
}

std::string TabDialog::TabCaption(int page) const
{
    CheckPage(page);
    return FromQt(m_bar->tabText(page));
}

void TabDialog::SetTabCaption(int page, const std::string& caption)
{
    CheckPage(page);
    m_bar->setTabText(page, ToQt(caption));
}

int TabDialog::TabHeight() const
{
    return PixelsToTwips(m_bar->sizeHint().height());
}

QWidget* TabDialog::ClientArea(int page)
{
    CheckPage(page);
    return m_pages[page];
}

void TabDialog::ApplyDesign(const ControlDef& def)
{
    std::vector<std::string> captions = SplitBars(def.caption);
    SetTabs(static_cast<int>(captions.size()));
    for (size_t i = 0; i < captions.size(); ++i)
        SetTabCaption(static_cast<int>(i), captions[i]);
}

void TabDialog::ApplyGeometry()
{
    Control::ApplyGeometry();
    QRect area = Widget()->rect();
    for (QWidget* page : m_pages)
        page->setGeometry(area);
    m_bar->setGeometry(0, 0, area.width(), m_bar->sizeHint().height());
}

} // namespace platform::forms
