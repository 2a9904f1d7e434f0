#include "property_page.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/com/creation.h"
#include "platform/com/late_bound.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/events.h"
#include "platform/forms/qt_text.h"

namespace platform::hosting {

PropertyPage::PropertyPage(std::string name, std::string caption, int widthTwips, int heightTwips)
    : Form(std::move(name))
{
    SetCaption(caption);
    SetClientSize(widthTwips, heightTwips);
}

bool PropertyPage::SetSelectedControls(std::vector<com::ComPtr<com::IDispatch>> controls)
{
    m_selected = std::move(controls);
    return forms::RaiseEvent(Name() + ".PropertyPage_SelectionChanged",
                             [this] { PropertyPage_SelectionChanged(); });
}

void PropertyPage::SetChanged(bool changed)
{
    m_changed = changed;
    if (ChangedSink)
        ChangedSink(changed);
}

bool PropertyPage::Apply()
{
    bool ok = forms::RaiseEvent(Name() + ".PropertyPage_ApplyChanges",
                                [this] { PropertyPage_ApplyChanges(); });
    if (ok)
        SetChanged(false);
    return ok;
}

com::IDispatch* PropertyPage::Selected(std::size_t index) const
{
    if (index >= m_selected.size() || !m_selected[index])
        platform::Raise(91);
    return m_selected[index].get();
}

com::Variant PropertyPage::GetSelectedProperty(std::string_view name, std::size_t index) const
{
    return com::GetProperty(Selected(index), name);
}

void PropertyPage::PutSelectedProperty(std::string_view name, const com::Variant& value,
                                       std::size_t index)
{
    com::PutProperty(Selected(index), name, value);
}

PropertyPageFrame::PropertyPageFrame(std::string title,
                                     std::vector<com::ComPtr<com::IUnknown>> pages,
                                     std::vector<com::ComPtr<com::IDispatch>> selection)
    : m_window(new QWidget)
    , m_tabs(new QTabWidget)
    , m_apply(new QPushButton(QString::fromUtf8("\xC3\x9C"
                                                "bernehmen")))
{
    m_window->setWindowTitle(forms::ToQt(title));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(m_apply);
    auto* layout = new QVBoxLayout(m_window);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, m_window, [this] { Ok(); });
    QObject::connect(cancel, &QPushButton::clicked, m_window, [this] { Cancel(); });
    QObject::connect(m_apply, &QPushButton::clicked, m_window, [this] { ApplyNow(); });

    for (auto& object : pages) {
        auto page = object.As<IPropertyPageObject>();
        if (!page || !page->GetPropertyPage())
            continue;
        PropertyPage* p = page->GetPropertyPage();
        m_objects.push_back(object);
        m_pages.push_back(p);
        QWidget* w = p->Window();
        QSize size = w->size();
        w->setParent(nullptr, Qt::Widget);
        w->setFixedSize(size);
        m_tabs->addTab(w, forms::ToQt(p->Caption()));
        p->ChangedSink = [this](bool) { UpdateApply(); };
    }
    for (PropertyPage* p : m_pages)
        p->SetSelectedControls(selection);
    UpdateApply();
}

PropertyPageFrame::~PropertyPageFrame()
{
    // The pages' windows belong to their forms, not to the tabs.
    for (PropertyPage* p : m_pages) {
        p->ChangedSink = nullptr;
        p->Window()->setParent(nullptr);
    }
    delete m_window;
}

PropertyPage& PropertyPageFrame::Page(int index) const
{
    return *m_pages.at(static_cast<std::size_t>(index));
}

int PropertyPageFrame::CurrentPage() const
{
    return m_tabs->currentIndex();
}

void PropertyPageFrame::SetCurrentPage(int index)
{
    m_tabs->setCurrentIndex(index);
}

bool PropertyPageFrame::ApplyEnabled() const
{
    return m_apply->isEnabled();
}

void PropertyPageFrame::Show()
{
    if (m_open)
        m_window->show();
}

void PropertyPageFrame::UpdateApply()
{
    bool changed = false;
    for (PropertyPage* p : m_pages)
        changed = changed || p->Changed();
    m_apply->setEnabled(changed && m_open);
}

bool PropertyPageFrame::ApplyChangedPages()
{
    bool ok = true;
    for (PropertyPage* p : m_pages) {
        if (p->Changed() && !p->Apply())
            ok = false;
    }
    UpdateApply();
    return ok;
}

void PropertyPageFrame::ApplyNow()
{
    if (m_open)
        ApplyChangedPages();
}

void PropertyPageFrame::Ok()
{
    if (m_open && ApplyChangedPages())
        Close();
}

void PropertyPageFrame::Cancel()
{
    if (m_open)
        Close();
}

void PropertyPageFrame::Close()
{
    m_open = false;
    m_window->hide();
    UpdateApply();
}

std::vector<com::ComPtr<com::IUnknown>> CreatePropertyPages(const std::vector<com::Guid>& classes)
{
    std::vector<com::ComPtr<com::IUnknown>> pages;
    for (const com::Guid& clsid : classes) {
        try {
            pages.push_back(com::CreateObjectByClass(clsid));
        } catch (const RunTimeError&) {
            // The platform's standard pages are not served here; a frame shows the others.
        }
    }
    return pages;
}

} // namespace platform::hosting
