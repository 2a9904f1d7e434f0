#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/com/variant.h"
#include "platform/hosting/property_page.h"

namespace kolvetra {

// The design environment's standard pages for fonts, colours and pictures, in a simple form:
// a list of the control's properties of that kind and an editor for the one picked. Edits
// are kept per property until Apply writes every property of the list.
class StandardPage : public platform::hosting::PropertyPageObject<StandardPage> {
public:
    static const platform::com::DispatchTable<StandardPage>& Members();

    StandardPage(std::string name, std::string caption, std::vector<std::string> properties);

    const std::vector<std::string>& Properties() const { return m_properties; }
    // The value the page holds for the property (as loaded or edited).
    const platform::com::Variant& Held(const std::string& property) const;

protected:
    void PropertyPage_SelectionChanged() override;
    void PropertyPage_ApplyChanges() override;

    // The editor shows `value`; Edited() reads it back (errors 13 for bad input).
    virtual void ShowValue(const platform::com::Variant& value) = 0;
    virtual platform::com::Variant Edited() const = 0;
    // The editor changed: keep its value for the picked property.
    void EditorChanged();
    void SetHeld(const platform::com::Variant& value);
    bool Showing() const { return m_showing; }

private:
    void cboProperty_Click();
    std::string Picked() const;

    std::vector<std::string> m_properties;
    std::map<std::string, platform::com::Variant> m_held;
    bool m_showing = false;
};

class StandardFontPage : public StandardPage {
public:
    explicit StandardFontPage(std::vector<std::string> properties);

protected:
    void ShowValue(const platform::com::Variant& value) override;
    platform::com::Variant Edited() const override;
};

class StandardColorPage : public StandardPage {
public:
    explicit StandardColorPage(std::vector<std::string> properties);

protected:
    void ShowValue(const platform::com::Variant& value) override;
    platform::com::Variant Edited() const override;

private:
    void ShowSwatch(std::uint32_t colour);
};

class StandardPicturePage : public StandardPage {
public:
    explicit StandardPicturePage(std::vector<std::string> properties);

protected:
    void ShowValue(const platform::com::Variant& value) override;
    platform::com::Variant Edited() const override;

private:
    void cmdLoad_Click();
    void cmdClear_Click();
    platform::com::Picture m_picture;
};

// The four pages of ProgressBar's frame: PgbAllgemein, then the standard font, colour and
// picture pages over the bar's properties of those kinds.
std::vector<platform::com::ComPtr<platform::com::IUnknown>> ProgressBarPages();

// "&H00BBGGRR&", as the colour page shows a colour; ParseColourText reads that form, a bare
// hexadecimal number or a decimal one back (error 13 otherwise).
std::string ColourText(std::uint32_t colour);
std::uint32_t ParseColourText(const std::string& text);

} // namespace kolvetra
