#pragma once

// The 58 texts of the main window's language switch, as its tests expect them, and how a
// test reads each one back from a window.

#include <string>

#include <QString>

#include "app/main_window/frmMain/window_controls.h"
#include "platform/forms/forms.h"
#include "platform/text/cp1252.h"

namespace languagetest {

using namespace platform::forms;

// The window's texts as CP1252, written here in UTF-8.
inline std::string Cp(const char* utf8)
{
    return platform::EncodeCp1252(QString::fromUtf8(utf8).toStdU16String());
}

enum class Prop { Tab, Button, Caption, Text, Tip };

struct Row {
    const char* control;
    Prop prop;
    int page;
    const char* german;
    const char* english;
};

inline const char* const kDoubleClick = "Doppelklicken um den selektierten Eintrag zu entfernen.";
inline const char* const kDoubleClickEn = "Doubleclick to remove selected entry.";

// Every text the switch rewrites, one row per control.
inline const Row kRows[] = {
    {"SSTab1", Prop::Tab, 0, "Projektmanager", "Projectmanager"},
    {"BreloButton1", Prop::Button, 0, "&Beenden", "&Exit"},
    {"BreloButton2", Prop::Button, 0, "Englische Version", "German Version"},
    {"lbl_emphaty_object_destruction", Prop::Tip, 0,
     "Wertänderung bei zerstörtem Schiff dieser Fraktion",
     "Rep-change to this faction if you destroying a ship of them"},
    {"Label3", Prop::Caption, 0, "Gruppenname", "Groupname"},
    {"lbl_emphaty_rms", Prop::Tip, 0,
     "Wertänderung bei einer erfolgreich ausgeführten Zufalls-Mission",
     "Rep-change for a successed random-mission"},
    {"lbl_emphaty_rmf", Prop::Tip, 0, "Wertänderung bei fehlgeschlagener Zufalls-Mission",
     "Rep-change for failured random-mission"},
    {"lbl_emphaty_rma", Prop::Tip, 0, "Wertänderung bei abgebrochener Zufalls-Mission",
     "Rep-change for an aborted random-mission"},
    {"BreloButton4", Prop::Button, 0, "Aktualisieren", "Refresh"},
    {"BreloButton5", Prop::Button, 0, "Löschen", "Delete"},
    {"BreloButton6", Prop::Button, 0, "Laden", "Load"},
    {"BreloButton7", Prop::Button, 0, "Neu...", "New..."},
    {"Frame1", Prop::Caption, 0, "Projektmanager", "Projectmanager"},
    {"Frame2", Prop::Caption, 0, "Fraktionen bearbeiten", "Edit factions"},
    {"txtdateiname", Prop::Text, 0, "Projektname", "Projectname"},
    {"Label1", Prop::Caption, 0, "Scroll-Tempo", "Scroll-speed"},
    {"Label4", Prop::Tip, 0, "Zwischen 'Projektexplorer' und 'Fraktionen bearbeiten' wechseln",
     "Switching between 'projectmanager' and 'edit factions'"},
    {"btnCreateXML", Prop::Button, 0, "Generiere XML", "Generate XML"},
    {"Check1", Prop::Caption, 0, "Header benutzen", "Use header"},
    {"Frame3", Prop::Caption, 0, "Header Einstellungen", "Header settings"},
    {"txtHeadModName", Prop::Tip, 0, "Name der Mod", "Name of your mod"},
    {"txtHeadModAutor", Prop::Tip, 0, "Autor", "Author"},
    {"txtHeadModDescr", Prop::Tip, 0, "Beschreibung der Mod", "Mod Description"},
    {"btnEmphatySave", Prop::Button, 0, "INI erstellen", "Create INI"},
    {"BreloButton13", Prop::Button, 0, "INI erstellen", "Create INI"},
    {"btnCompileFP", Prop::Button, 0, "INI erstellen", "Create INI"},
    {"btnnewfactiondel", Prop::Button, 0, "&Löschen", "De&lete"},
    {"btnnewfactionnew", Prop::Button, 0, "Neu/Speichern", "New/Save"},
    {"btnnewfactionreload", Prop::Button, 0, "Neu einlesen", "Reload"},
    {"frmnewFaction", Prop::Caption, 0, "Eigenschaften", "Abilitys"},
    {"lblNoProject", Prop::Caption, 0, "Kein Projekt ausgewählt!", "No project selected!"},
    {"lblAktuellEmp", Prop::Caption, 0, "Aktuell", "Actually"},
    {"Label31", Prop::Caption, 0, "Aktuell", "Actually"},
    {"lblGesamtEmp", Prop::Caption, 0, "Gesamt", "Total"},
    {"Label26", Prop::Caption, 0, "Gesamt", "Total"},
    {"Label25", Prop::Caption, 0, "Gesamt", "Total"},
    {"lblEmphatyList", Prop::Caption, 0,
     "Es ist normal, das sich die aktive Fraktion auch in der Liste befindet",
     "It's normal that the active faction is registered"},
    {"btnImport", Prop::Button, 0, "Importiere Original", "Import original"},
    {"btnImportAll", Prop::Button, 0, "Alle importieren", "Import all"},
    {"BreloButton9", Prop::Button, 0, "Neu", "Add"},
    {"BreloButton10", Prop::Button, 0, "Neu", "Add"},
    {"BreloButton11", Prop::Button, 0, "Neu", "Add"},
    {"BreloButton12", Prop::Button, 0, "Neu", "Add"},
    {"Label15", Prop::Caption, 0, kDoubleClick, kDoubleClickEn},
    {"Label16", Prop::Caption, 0, kDoubleClick, kDoubleClickEn},
    {"Label17", Prop::Caption, 0, kDoubleClick, kDoubleClickEn},
    {"Label19", Prop::Caption, 0, kDoubleClick, kDoubleClickEn},
    {"BreloButton8", Prop::Button, 0, "Neu...", "Add..."},
    {"SSTab2", Prop::Tab, 0, "Schiffe", "Ships"},
    {"SSTab2", Prop::Tab, 1, "Stimmen", "Voice"},
    {"SSTab2", Prop::Tab, 2, "Körper", "Bodyparts"},
    {"SSTab2", Prop::Tab, 3, "Scan", "Scaning for..."},
    {"SSTab2", Prop::Tab, 4, "Formationen", "Formations"},
    {"Label20", Prop::Caption, 0, "Vorname männlich (IDS)", "Firstname male (IDS)"},
    {"Label21", Prop::Caption, 0, "Vorname weiblich (IDS)", "Firstname female (IDS)"},
    {"Label22", Prop::Caption, 0, "Nachname (IDS)", "Lastname (IDS)"},
    {"Label29", Prop::Caption, 0, "Fracht scannen?", "Scan cargo?"},
    {"lblFactions", Prop::Caption, 0, "Fraktionen gesamt:", "Factions total:"},
};

inline std::string Read(const Form& form, const Row& row)
{
    const Control& control = *form.Find(row.control);
    switch (row.prop) {
    case Prop::Tab:
        return form.Ctl<TabDialog>(row.control).TabCaption(row.page);
    case Prop::Button:
        return quorvel::ButtonCaption(control);
    case Prop::Text:
        return form.Ctl<TextBox>(row.control).Text();
    case Prop::Tip:
        return control.ToolTipText();
    case Prop::Caption:
        if (auto* label = dynamic_cast<const Label*>(&control))
            return label->Caption();
        if (auto* frame = dynamic_cast<const Frame*>(&control))
            return frame->Caption();
        return form.Ctl<CheckBox>(row.control).Caption();
    }
    return {};
}

} // namespace languagetest
