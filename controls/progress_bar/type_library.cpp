#include "controls/progress_bar/type_library.h"

#include "controls/progress_bar/identity.h"

namespace kolvetra {

// clang-format off
const std::vector<MemberHelp>& ProgressBarMembers()
{
    static const std::vector<MemberHelp> members{
        {"Font", 0x68030018, "Bestimmt den Schriftstil des Textes der Prozentanzeige."},
        {"Caption", 0x68030017, "Bestimmt eine benutzerdefinierte Zeichenfolge f\xFCr den Fortschrittstext."},
        {"SpecialEffects", 0x68030016, "Bestimmt die Darstellung des Randbereiches des Steuerlementes."},
        {"FieldEffects", 0x68030015, "Legt die Darstellung der einzelnen Felder fest."},
        {"OnlyValueFields", 0x68030014, "Bestimmt, ob nur die Felder bis zur aktuellen Prozentposition oder alle Felder gezeichnet werden sollen."},
        {"BarColorType", 0x68030013, "Legt fest, wie die Farben (Start- und Endfarbe) zur Anzeige des Fortschritts verwendet werden sollen."},
        {"ValueType", 0x68030012, "Bestimmt, welcher Text in der Fortschrittsanzeige dargestellt werden soll."},
        {"Scrolling", 0x68030011, "Gibt einen Wert zur\xFC" "ck oder legt einen Wert fest, der bestimmt, ob das Steuerelement den Fortschritt mit einer standardm\xE4\xDFigen segmentierten oder mit einer glatten Fortschrittsleiste anzeigt."},
        {"AspectRatio", 0x68030010, "Bestimmt das Seitenverh\xE4ltnis (H\xF6he/Breite) der einzelnen Felder fest."},
        {"Picture", 0x6803000F, "Bestimmt das Bild, das statt der F\xFCllfarbe in der Fortschrittsanzeige dargestellt werden soll."},
        {"Alignment", 0x6803000E, "Legt fest, ob die Fortschrittsanzeige horizontal oder vertikal dargestellt werden soll."},
        {"AnimatedInterval", 0x6803000D, "Legt die Geschwindigkeit des Farbwechsels der Fortschrittsanzeige fest. Je gr\xF6\xDF" "er der Wert um so gr\xF6\xDF" "er die Geschwindigkeit."},
        {"TextAlignment", 0x6803000C, "Legt die Position des Textes innerhalb der Fortschrittsanzeige fest."},
        {"BorderColor", 0x6803000B, "Bestimmt die Rahmenfarbe des Steuerelementes."},
        {"StartFillColor", 0x6803000A, "Bestimmt den Startwert der F\xFCllfarbe der Fortschrittsanzeige."},
        {"EndFillColor", 0x68030009, "Bestimmt den Endwert der F\xFCllfarbe der Fortschrittsanzeige."},
        {"BackColor", 0x68030008, "Bestimmt die Hintergrundfarbe des Steuerelementes."},
        {"Min", 0x68030007, "Legt den Minimalwert des Steuerelementes fest oder gibt ihn zur\xFC" "ck."},
        {"Max", 0x68030006, "Legt den Maximalwert des Steuerelementes fest oder gibt ihn zur\xFC" "ck."},
        {"TextAfterValue", 0x68030005, "Legt eine Zeichenfolge fest, die nach dem Statustext angezeigt werden soll."},
        {"TextBeforeValue", 0x68030004, "Legt eine Zeichenfolge fest, die vor dem Statustext angezeigt werden soll."},
        {"Value", 0x68030003, "Legt den aktuellen Wert der Fortschrittsanzeige fest oder gibt diesen zur\xFC" "ck."},
        {"ForeColor", 0x68030002, "Gibt die Vordergrundfarbe zur\xFC" "ck, die zum Anzeigen von Text und Grafiken in einem Objekt verwendet wird, oder legt diese fest."},
        {"ShowAboutBox", platform::com::DISPID_ABOUTBOX, ""},
        {"MouseIcon", 0x68030001, "Legt ein benutzerdefiniertes Maussymbol fest."},
        {"MousePointer", 0x68030000, "Gibt den Typ des Mauszeigers zur\xFC" "ck, der angezeigt wird, wenn dieser sich \xFC" "ber einem Teil eines Objekts befindet, oder legt diesen fest."},
    };
    return members;
}

const std::vector<MemberHelp>& ProgressBarEvents()
{
    static const std::vector<MemberHelp> events{
        {"Click", 1, "Tritt auf, wenn der Benutzer eine Maustaste \xFC" "ber einem Objekt dr\xFC" "ckt und wieder losl\xE4\xDFt."},
        {"DblClick", 2, "Tritt auf, wenn der Benutzer eine Maustaste \xFC" "ber einem Objekt dr\xFC" "ckt und wieder losl\xE4\xDFt und anschlie\xDF" "end erneut dr\xFC" "ckt und wieder losl\xE4\xDFt."},
        {"MouseDown", 3, "Tritt auf, wenn der Benutzer die Maustaste dr\xFC" "ckt, w\xE4hrend ein Objekt den Fokus hat."},
        {"MouseMove", 4, "Tritt auf, wenn der Benutzer die Maus bewegt."},
        {"MouseUp", 5, "Tritt auf, wenn der Benutzer die Maustaste losl\xE4\xDFt, w\xE4hrend ein Objekt den Fokus hat."},
        {"Resize", 6, "Tritt auf, wenn ein Formular zum ersten Mal angezeigt wird oder wenn sich die Gr\xF6\xDF" "e eines Objekts \xE4ndert."},
    };
    return events;
}

const std::vector<EnumInfo>& Enumerations()
{
    static const std::vector<EnumInfo> enums{
        {"zemAlignment", kGUID_zemAlignment, {{"zemHorizontal", 0}, {"zemVertical", 1}}},
        {"zemTextAlignment", kGUID_zemTextAlignment,
         {{"zemCenter", 0}, {"zemLeftBottom", 1}, {"zemRightTop", 2}, {"zemByValue", 3}}},
        {"zemScrolling", kGUID_zemScrolling, {{"zemScrollingStandard", 0}, {"zemScrollingSmooth", 1}}},
        {"zemSpecialEffects", kGUID_zemSpecialEffects,
         {{"zemFlat", 0}, {"zemRaised", 1}, {"zemSunken", 2}, {"zemRaisedDouble", 3},
          {"zemSunkenDouble", 4}, {"zemEtched", 5}, {"zemBump", 6}, {"zemNone", 7}}},
        {"zemValueType", kGUID_zemValueType,
         {{"zemNone", 0}, {"zemPrecentage", 1}, {"zemValue", 2}, {"zemCustom", 3}}},
        {"zemBarColorType", kGUID_zemBarColorType,
         {{"zemGradient", 0}, {"zemColorize", 1}, {"zemButtonize", 2}, {"zemAnimated", 3}}},
        {"zemBackStyle", kGUID_zemBackStyle, {{"zemBackColor", 0}, {"zemTransparent", 1}}},
        {"zemFieldEffects", kGUID_zemFieldEffects,
         {{"zemFlatField", 1}, {"zemRaisedField", 4}, {"zemSunkenField", 8},
          {"zemRaisedDoubleField", 5}, {"zemSunkenDoubleField", 10}, {"zemEtchedField", 6},
          {"zemBumpField", 9}}},
    };
    return enums;
}
// clang-format on

} // namespace kolvetra
