#pragma once

#include <string>

#include "controls/progress_bar/identity.h"
#include "platform/hosting/property_page.h"

namespace platform::forms {
class ComboBox;
class TextBox;
} // namespace platform::forms

namespace kolvetra {

// The property page "Allgemein" of ProgressBar: 14 of its properties in three frames. It
// reads the first selected control when the selection changes and writes all 14 back on
// Apply, late-bound by name.
class PgbAllgemein : public platform::hosting::PropertyPageObject<PgbAllgemein> {
public:
    static const platform::com::DispatchTable<PgbAllgemein>& Members();

    PgbAllgemein();

    platform::com::HRESULT QueryInterface(const platform::com::Guid& iid, void** out) override;

    // The decimal separator the page shows and reads numbers with: the user locale's, as in
    // the bar's value text.
    char DecimalSeparator() const { return m_decimalSeparator; }
    // For a page under another locale; takes effect at the next load and edit.
    void SetDecimalSeparator(char separator) { m_decimalSeparator = separator; }

protected:
    void PropertyPage_SelectionChanged() override;
    void PropertyPage_ApplyChanges() override;

private:
    void connectHandlers();
    void cbAlignment_Click();
    void cbSpecialEffects_Click();
    void cbBarColorType_Click();
    void cbScrolling_Click();
    void cbTextAlignment_Click();
    void cbValueType_Click();
    void txtValue_Change();
    void txtTextBeforeValue_Change();
    void txtTextAfterValue_Change();
    void txtMax_Change();
    void txtMin_Change();
    void txtAspectRatio_Change();
    void txtCaption_Change();
    void txtAnimatedInterval_Change();

    platform::forms::TextBox& Text(const char* name) const;
    platform::forms::ComboBox& List(const char* name) const;

    char m_decimalSeparator;
};

// The text a number is shown in on the page: the runtime's general form when that reads
// back as the same number, else as many more digits as it takes, with the decimal separator
// given.
std::string PageNumberText(double value, char decimalSeparator = '.');

// The number a text on the page stands for, read with the decimal separator given; error 13
// when it is none. Under a separator other than the point, a text with a point is none.
double PageNumber(const std::string& text, char decimalSeparator = '.');

} // namespace kolvetra
