#include "language_switch.h"

#include <stdexcept>
#include <string>

#include "app/main_window/frmMain/window_controls.h"
#include "platform/forms/forms.h"

namespace quorvel::language {

using namespace platform::forms;

namespace {

enum class Property { TabCaption, ButtonCaption, Caption, Text, ToolTip };

struct Entry {
    const char* control;
    Property property;
    int page; // tab captions only
    const char* german;
    const char* english;
};

using P = Property;

// One row per control; where one text goes to several controls they follow each other.
// The English texts are the window's own, as its users know them.
constexpr Entry kTexts[] = {
    {"SSTab1", P::TabCaption, 0, "Projektmanager", "Projectmanager"},
    {"BreloButton1", P::ButtonCaption, 0, "&Beenden", "&Exit"},
    {"BreloButton2", P::ButtonCaption, 0, "Englische Version", "German Version"},
    {"lbl_emphaty_object_destruction", P::ToolTip, 0,
     "Wert\xE4nderung bei zerst\xF6rtem Schiff dieser Fraktion",
     "Rep-change to this faction if you destroying a ship of them"},
    {"Label3", P::Caption, 0, "Gruppenname", "Groupname"},
    {"lbl_emphaty_rms", P::ToolTip, 0,
     "Wert\xE4nderung bei einer erfolgreich ausgef\xFChrten Zufalls-Mission",
     "Rep-change for a successed random-mission"},
    {"lbl_emphaty_rmf", P::ToolTip, 0, "Wert\xE4nderung bei fehlgeschlagener Zufalls-Mission",
     "Rep-change for failured random-mission"},
    {"lbl_emphaty_rma", P::ToolTip, 0, "Wert\xE4nderung bei abgebrochener Zufalls-Mission",
     "Rep-change for an aborted random-mission"},
    {"BreloButton4", P::ButtonCaption, 0, "Aktualisieren", "Refresh"},
    {"BreloButton5", P::ButtonCaption, 0, "L\xF6schen", "Delete"},
    {"BreloButton6", P::ButtonCaption, 0, "Laden", "Load"},
    {"BreloButton7", P::ButtonCaption, 0, "Neu...", "New..."},
    {"Frame1", P::Caption, 0, "Projektmanager", "Projectmanager"},
    {"Frame2", P::Caption, 0, "Fraktionen bearbeiten", "Edit factions"},
    {"txtdateiname", P::Text, 0, "Projektname", "Projectname"},
    {"Label1", P::Caption, 0, "Scroll-Tempo", "Scroll-speed"},
    {"Label4", P::ToolTip, 0, "Zwischen 'Projektexplorer' und 'Fraktionen bearbeiten' wechseln",
     "Switching between 'projectmanager' and 'edit factions'"},
    {"btnCreateXML", P::ButtonCaption, 0, "Generiere XML", "Generate XML"},
    {"Check1", P::Caption, 0, "Header benutzen", "Use header"},
    {"Frame3", P::Caption, 0, "Header Einstellungen", "Header settings"},
    {"txtHeadModName", P::ToolTip, 0, "Name der Mod", "Name of your mod"},
    {"txtHeadModAutor", P::ToolTip, 0, "Autor", "Author"},
    {"txtHeadModDescr", P::ToolTip, 0, "Beschreibung der Mod", "Mod Description"},
    {"btnEmphatySave", P::ButtonCaption, 0, "INI erstellen", "Create INI"},
    {"BreloButton13", P::ButtonCaption, 0, "INI erstellen", "Create INI"},
    {"btnCompileFP", P::ButtonCaption, 0, "INI erstellen", "Create INI"},
    {"btnnewfactiondel", P::ButtonCaption, 0, "&L\xF6schen", "De&lete"},
    {"btnnewfactionnew", P::ButtonCaption, 0, "Neu/Speichern", "New/Save"},
    {"btnnewfactionreload", P::ButtonCaption, 0, "Neu einlesen", "Reload"},
    {"frmnewFaction", P::Caption, 0, "Eigenschaften", "Abilitys"},
    {"lblNoProject", P::Caption, 0, "Kein Projekt ausgew\xE4hlt!", "No project selected!"},
    {"lblAktuellEmp", P::Caption, 0, "Aktuell", "Actually"},
    {"Label31", P::Caption, 0, "Aktuell", "Actually"},
    {"lblGesamtEmp", P::Caption, 0, "Gesamt", "Total"},
    {"Label26", P::Caption, 0, "Gesamt", "Total"},
    {"Label25", P::Caption, 0, "Gesamt", "Total"},
    {"lblEmphatyList", P::Caption, 0,
     "Es ist normal, das sich die aktive Fraktion auch in der Liste befindet",
     "It's normal that the active faction is registered"},
    {"btnImport", P::ButtonCaption, 0, "Importiere Original", "Import original"},
    {"btnImportAll", P::ButtonCaption, 0, "Alle importieren", "Import all"},
    {"BreloButton9", P::ButtonCaption, 0, "Neu", "Add"},
    {"BreloButton10", P::ButtonCaption, 0, "Neu", "Add"},
    {"BreloButton11", P::ButtonCaption, 0, "Neu", "Add"},
    {"BreloButton12", P::ButtonCaption, 0, "Neu", "Add"},
    {"Label15", P::Caption, 0, "Doppelklicken um den selektierten Eintrag zu entfernen.",
     "Doubleclick to remove selected entry."},
    {"Label16", P::Caption, 0, "Doppelklicken um den selektierten Eintrag zu entfernen.",
     "Doubleclick to remove selected entry."},
    {"Label17", P::Caption, 0, "Doppelklicken um den selektierten Eintrag zu entfernen.",
     "Doubleclick to remove selected entry."},
    {"Label19", P::Caption, 0, "Doppelklicken um den selektierten Eintrag zu entfernen.",
     "Doubleclick to remove selected entry."},
    {"BreloButton8", P::ButtonCaption, 0, "Neu...", "Add..."},
    {"SSTab2", P::TabCaption, 0, "Schiffe", "Ships"},
    {"SSTab2", P::TabCaption, 1, "Stimmen", "Voice"},
    {"SSTab2", P::TabCaption, 2, "K\xF6rper", "Bodyparts"},
    {"SSTab2", P::TabCaption, 3, "Scan", "Scaning for..."},
    {"SSTab2", P::TabCaption, 4, "Formationen", "Formations"},
    {"Label20", P::Caption, 0, "Vorname m\xE4nnlich (IDS)", "Firstname male (IDS)"},
    {"Label21", P::Caption, 0, "Vorname weiblich (IDS)", "Firstname female (IDS)"},
    {"Label22", P::Caption, 0, "Nachname (IDS)", "Lastname (IDS)"},
    {"Label29", P::Caption, 0, "Fracht scannen?", "Scan cargo?"},
    {"lblFactions", P::Caption, 0, "Fraktionen gesamt:", "Factions total:"},
};
static_assert(std::size(kTexts) == 58);

void SetCaption(Control& control, const std::string& text)
{
    if (auto* label = dynamic_cast<Label*>(&control))
        label->SetCaption(text);
    else if (auto* frame = dynamic_cast<Frame*>(&control))
        frame->SetCaption(text);
    else if (auto* check = dynamic_cast<CheckBox*>(&control))
        check->SetCaption(text);
    else
        throw std::logic_error("control " + control.Name() + " has no caption");
}

// Image buttons take their caption late bound, through the window's button helpers; a page
// that still places a plain push button gets its caption set directly.
void SetAnyButtonCaption(Control& button, const std::string& text)
{
    if (auto* push = dynamic_cast<CommandButton*>(&button))
        push->SetCaption(text);
    else
        SetButtonCaption(button, text);
}

void Apply(Form& form, const char* Entry::*column)
{
    for (const Entry& entry : kTexts) {
        Control* control = form.Find(entry.control);
        if (!control)
            continue;
        const std::string text = entry.*column;
        switch (entry.property) {
        case P::TabCaption:
            form.Ctl<TabDialog>(entry.control).SetTabCaption(entry.page, text);
            break;
        case P::ButtonCaption:
            SetAnyButtonCaption(*control, text);
            break;
        case P::Caption:
            SetCaption(*control, text);
            break;
        case P::Text:
            form.Ctl<TextBox>(entry.control).SetText(text);
            break;
        case P::ToolTip:
            control->SetToolTipText(text);
            break;
        }
    }
}

} // namespace

void German(Form& form)
{
    Apply(form, &Entry::german);
}

void English(Form& form)
{
    Apply(form, &Entry::english);
}

void BreloButton2_Click(Form& form)
{
    if (WindowLanguage(form) == Language::German)
        English(form);
    else
        German(form);
}

Language WindowLanguage(const Form& form)
{
    // The button names the other language; a window without it speaks as it was stored.
    const Control* button = form.Find("BreloButton2");
    return !button || ButtonCaption(*button) == "Englische Version" ? Language::German
                                                                    : Language::English;
}

} // namespace quorvel::language
