#include "tab_dialog.h"

#include <QPainter>
#include <qdrawutil.h>
#include <QTabBar>

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

} // namespace

TabDialog::TabDialog(int pages)
    : Control(new TabPanel)
    , m_bar(new QTabBar(Widget()))
{
    static_cast<TabPanel*>(Widget())->bar = m_bar;
    m_bar->setExpanding(true);
    m_bar->setDrawBase(false);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
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
