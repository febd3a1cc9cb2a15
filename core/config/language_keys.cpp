#include "config/language_keys.h"

#include <algorithm>
#include <string>

namespace zumbrel::config {
namespace {

std::vector<LanguageKey> messages(std::initializer_list<std::string_view> keys) {
    std::vector<LanguageKey> out;
    for (std::string_view k : keys)
        out.push_back({k, {}});
    return out;
}

// MSG_MF_MM_000 … : the hints of the keypad's controls.
const std::vector<LanguageKey> kHints = {
    {"MSG_MF_MM_000", "pnlPP"},
    {"MSG_MF_MM_001", "pnlPP"},
    {"MSG_MF_MM_002", "btnNbrGold"},
    {"MSG_MF_MM_003", "BMemCombo"},
    {"MSG_MF_MM_004", "BtnCAResteAE"},
    {"MSG_MF_MM_005", "pnlEuro"},
    {"MSG_MF_MM_006", "pnlTauxTVA"},
    {"MSG_MF_MM_007", "BtnChargesAE"},
    {"MSG_MF_MM_008", "GommeClean"},
    {"MSG_MF_MM_009", "GommeUndo"},
    {"MSG_MF_MM_010", "imgVoice"},
    {"MSG_MF_MM_011", "SymbolLang"},
    {"MSG_MF_MM_012", "btnInsertComLine"},
    {"MSG_MF_MM_013", "btnReset"},
    {"MSG_MF_MM_015", "imgHistoryOpe"},
    {"MSG_MF_MM_016", "imgName"},
    {"MSG_MF_MM_017", "lblMemory1"},
    {"MSG_MF_MM_018", "lblMemory2"},
    {"MSG_MF_MM_019", "lblMemory3"},
    {"MSG_MF_MM_020", "lblMemory4"},
    {"MSG_MF_MM_021", "lblNbrDecPref"},
    {"MSG_MF_MM_026", "lblPath"},
    {"MSG_MF_MM_027", ""},
    {"MSG_MF_MM_028", ""},
    {"MSG_MF_MM_029", "pnlAE"},
    {"MSG_MF_MM_030", "pnlTauxTPSTVP"},
    {"MSG_MF_MM_031", "btnTVAPlus"},
    {"MSG_MF_MM_032", "btnTVAMoins"},
    {"MSG_MF_MM_033", "btnEuroToFranc"},
    {"MSG_MF_MM_034", "btnFrancToEuro"},
    {"MSG_MF_MM_035", ""},
    {"MSG_MF_MM_037", ""},
    {"MSG_MF_MM_038", ""},
    {"MSG_MF_MM_039", ""},
};

const std::vector<AccessibleNameKey> kAccessibleNames = {
    {"A11Y_KEYPAD_WINDOW", "Form1", "Calculatrice Zumbrel"},
    {"A11Y_TAPE_WINDOW", "Ribbon", "Ruban de Zumbrel"},
    {"A11Y_TAPE_TITLE", "", "Zumbrel – ruban"},
    {"A11Y_DISPLAY", "EdtVirt", "Affichage"},
    {"A11Y_ENTRY", "edtSaisie", "Saisie"},
    {"A11Y_STATUS", "lblComment", "Ligne d'état"},
    {"A11Y_KEY_ROOT", "btnRacine", "Racine carrée (touche R)"},
    {"A11Y_KEY_SIGN", "btnPlus_Moins", "Changer le signe (touche S)"},
    {"A11Y_KEY_PERCENT", "btnPourcent", "Pourcentage"},
    {"A11Y_KEY_DIVIDE", "btnDiviser", "Diviser"},
    {"A11Y_KEY_MULTIPLY", "btnMultiplier", "Multiplier"},
    {"A11Y_KEY_SUBTRACT", "btnMoins", "Soustraire"},
    {"A11Y_KEY_ADD", "btnPlus", "Additionner"},
    {"A11Y_KEY_0", "btn0", "Zéro"},
    {"A11Y_KEY_1", "btn1", "Un"},
    {"A11Y_KEY_2", "btn2", "Deux"},
    {"A11Y_KEY_3", "btn3", "Trois"},
    {"A11Y_KEY_4", "btn4", "Quatre"},
    {"A11Y_KEY_5", "btn5", "Cinq"},
    {"A11Y_KEY_6", "btn6", "Six"},
    {"A11Y_KEY_7", "btn7", "Sept"},
    {"A11Y_KEY_8", "btn8", "Huit"},
    {"A11Y_KEY_9", "btn9", "Neuf"},
    {"A11Y_KEY_00", "btnDoubleZero", "Double zéro"},
    {"A11Y_KEY_000", "btnTripleZero", "Triple zéro"},
    {"A11Y_KEY_DS", "btnDecimalSeparator", "Séparateur décimal"},
    {"A11Y_KEY_EQUALS", "btnEgal", "Égal : calculer le résultat"},
    {"A11Y_MINIMIZE", "btnMinimize", "Réduire"},
    {"A11Y_QUIT", "btnQuit", "Quitter Zumbrel"},
    {"A11Y_DECIMALS", "lblNbrDecPref", "Nombre de décimales"},
    {"A11Y_MEMORY4", "lblMemory4", "Résultat intermédiaire"},
    {"A11Y_LANGUAGE", "SymbolLang", "Langue"},
    {"A11Y_EXTRA_DECIMALS", "shLed", "Décimales supplémentaires"},
    {"A11Y_VOICE_MAN", "", "Voix d'homme"},
    {"A11Y_VOICE_WOMAN", "", "Voix de femme"},
    {"A11Y_VOICE_CLICK", "", "Sonorité commune"},
    {"A11Y_VOICE_NONE", "", "Aucune sonorité"},
    {"A11Y_MENU", "", "Menu"},
    {"A11Y_TAPE_TEXT", "Editor", "Ruban"},
    {"A11Y_TAPE_TOOLBAR", "ToolBarZumbrel", "Barre d'outils du ruban"},
    {"A11Y_MORE_TOOLS", "qt_toolbar_ext_button", "Autres outils"},
    {"A11Y_LINE_COUNTER", "btnClicMagic", "Compteur de lignes"},
    {"A11Y_TAX_PLUS", "btnTVAPlus", "Ajouter la taxe à un prix hors taxes"},
    {"A11Y_TAX_MINUS", "btnTVAMoins", "Retirer la taxe d'un prix toutes taxes comprises"},
    {"A11Y_VAT_RATE", "pnlTauxTVA", "Taux de TVA"},
    {"A11Y_QUEBEC_RATES", "pnlTauxTPSTVP", "Taux de TPS et TVQ"},
    {"A11Y_EURO_TO_OTHER", "btnEuroToFranc", "Convertir des euros"},
    {"A11Y_OTHER_TO_EURO", "btnFrancToEuro", "Convertir en euros"},
    {"A11Y_MONEY_RATE", "pnlEuro", "Taux de change"},
    {"A11Y_AE_REMAINING", "BtnCAResteAE", "AE : chiffre d'affaires restant"},
    {"A11Y_AE_CHARGES", "BtnChargesAE", "AE : charges sur le chiffre d'affaires"},
    {"A11Y_AE_PROFILE", "pnlAE", "Profil AE"},
    {"A11Y_GOLDEN", "btnNbrGold", "Nombre d'Or"},
};

}  // namespace

const std::vector<AccessibleNameKey>& accessibleNameKeys() {
    return kAccessibleNames;
}

std::string_view frenchAccessibleName(std::string_view key) {
    for (const AccessibleNameKey& k : kAccessibleNames) {
        if (k.key == key) return k.french;
    }
    return {};
}

const std::vector<LanguageKey>& keypadHintKeys() {
    return kHints;
}

const std::vector<WindowKeys>& languageKeyLists() {
    static const std::vector<WindowKeys> lists = [] {
        std::vector<WindowKeys> l;
        l.push_back({"keypad captions",
                     {{"MSG_WELCOME", "lblComment"},
                      {"FILE", "mmFichier"},
                      {"NEW", "mItemNouveau"},
                      {"OPEN_O", "mItemOuvrir"},
                      {"SAVE_FILE", "mItemEnregistrer"},
                      {"SAVE_AS_O", "mItemEnregistrerSous"},
                      {"PRINT", "mItemPrint"},
                      {"EXIT", "mItemQuit"},
                      {"EDIT", "mmEdit"},
                      {"PASTE", "mItemColler"},
                      {"INSERT_DATE", "mItemInsertDate"},
                      {"INSERT_TITLE_OP", "mItemInsertTitle"},
                      {"INSERT_COMMENT_LINE", "mItemInsertCommentLine"},
                      {"INSERT_COMMENT_RESULT", "mItemInsertCommentResult"},
                      {"EDITION_RIBBON", "mItemEditRibbon"},
                      {"MSG_RTFE_001", "mItemEditRTF"},
                      {"MSG_RTFE_002", "mItemInsertEntete"},
                      {"MSG_RTFE_003", "mItemInsertPiedPage"},
                      {"ARRANGEMENT_WINDOWS", "mmFenetre"},
                      {"IN_QUOTED", "mItemACote"},
                      {"BY_TOP", "mItemParDessus"},
                      {"EQUALIZE_HEIGHT", "mItemEgaliser"},
                      {"HIDE_KEYBOARD", "mItemHideKeyboard"},
                      {"VISIBLE_KEYBOARD", "mItemVisibleKeyboard"},
                      {"HIDE_RIBBON", "mItemHideRibbon"},
                      {"VISIBLE_RIBBON", "mItemVisibleRibbon"},
                      {"MAGNET_RIBBON", "mItemMagnet"},
                      {"MAGNET_NOT_RIBBON", "mItemNoMagnet"},
                      {"WITH_FRONT", "mItemAuDevant"},
                      {"WITH_BEHIND", "mItemAuDerriere"},
                      {"OPTIONS", "mmOptions"},
                      {"PREFERENCES", "mItemPreferences"},
                      {"LANGUAGE", "mItemLangage"},
                      {"GALLERY_SKINS", "mmItemGalerie"},
                      {"HELP", "mmAide"},
                      {"ABOUT", "mItemAPropos"},
                      {"LICENSE", "mItemLicence"},
                      {"CREDITS", "mItemCredits"},
                      {"PRINCIPLE_OF_FUNCTIONING", "mItemPrincipeFonction"},
                      {"FAQ", "mItemFAQ"},
                      {"VERIFY_UPDATES", "mItemMAJ"},
                      {"ZUMBREL_ON_WEB", "mItemZMBSurWeb"},
                      // The menus of the display, the memories and the clipboard panel.
                      {"KEEP_IN_MEMORY_1", "mItemKeepM1"},
                      {"KEEP_IN_MEMORY_2", "mItemKeepM2"},
                      {"KEEP_IN_MEMORY_3", "mItemKeepM3"},
                      {"KEEP_IN_LIST", "mItemKeepList"},
                      {"KEEP_IN_CLIPBOARD", "mItemKeepClipboard"},
                      {"OPEN_NUMBER_LIST", "mItemOpenList"},
                      {"OPEN_HISTORY", "mItemOpenHistory"},
                      {"RECALL_MEMORY", "mItemRecallMemory"},
                      {"STORE_MEMORY", "mItemStoreMemory"},
                      {"CLEAR_MEMORY", "mItemClearMemory"},
                      {"PANEL_TO_DISPLAY", "mItemPanelToDisplay"}}});
        std::vector<LanguageKey> keypadMessages = messages({"SMSG_CAPTION_IP",
                                                            "MSG_CLIPBRD_NOT_VALID",
                                                            "MSG_MF_MM_028",
                                                            "MSG_MF_MM_001",
                                                            "MSG_RESET",
                                                            "MSG_INTERM_RESULT",
                                                            "MSG_SQUARE_ROOT",
                                                            "MSG_IS",
                                                            "MSG_ERROR_DZ",
                                                            "MSG_GRND_NEG_VALUE_OPE",
                                                            "MSG_CA_REMAINING_OF",
                                                            "MSG_FOLLOWING_EXCEED_CA ",
                                                            "MSG_THE_GOLDEN_NUMBER_OF",
                                                            "APPEND_REST_LESS_TAXES",
                                                            "APPEND_LESS_THE_TAXES",
                                                            "APPEND_REALIZED_CA",
                                                            "APPEND_CHARGE_AE",
                                                            "APPEND_AMT_TO_BE_PAID_ON",
                                                            "APPEND_THE_SOM",
                                                            "APPEND_MAXIMUM_CA",
                                                            "APPEND_CA_REMAINING",
                                                            "APPEND_EXCEED_CA",
                                                            "APPEND_HT",
                                                            "APPEND_TVA",
                                                            "APPEND_TTC",
                                                            "APPEND_GOLDEN_NUMBER",
                                                            "SMSG_MF_001",
                                                            "SMSG_MF_002",
                                                            "SMSG_MF_003",
                                                            "SMSG_MF_004",
                                                            "SMSG_MF_006",
                                                            "SMSG_MF_007",
                                                            "SMSG_MF_008",
                                                            "SMSG_MF_009",
                                                            "SMSG_MF_010",
                                                            "SMSG_MF_011",
                                                            "SMSG_MF_012",
                                                            "SMSG_MF_013",
                                                            "SMSG_MF_015",
                                                            "SMSG_MF_016_TITLE",
                                                            "SMSG_MF_016_LINE_A",
                                                            "SMSG_MF_016_LINE_B",
                                                            "SMSG_MF_016_LINE_C",
                                                            "SMSG_MF_017",
                                                            "CAPTION_FORM_UPDATE",
                                                            "ITMPPM_IMC",
                                                            "COMBO_BOX_PROFILE",
                                                            "SE",
                                                            "MSG_RATE_NOT_VALID",
                                                            "MSG_CEILING_NOT_VALID"});
        for (const LanguageKey& h : kHints)
            keypadMessages.push_back({h.key, {}});
        for (std::string_view k : {"OASD_MF_003", "OASD_MF_005", "OASD_MF_006"})
            keypadMessages.push_back({k, {}});
        l.push_back({"keypad messages", keypadMessages});
        l.push_back({"tape captions",
                     {{"EDIT_EXIT", "mItemQuitEdit"},
                      {"INSERT_DATE", "mItemInsertDate"},
                      {"INSERT_TITLE_OP", "mItemInsertTitle"},
                      {"INSERT_COMMENT_LINE", "mItemInsertCommentLine"},
                      {"INSERT_COMMENT_RESULT", "mItemInsertCommentResult"},
                      {"EDITION_RIBBON", "mItemEditRuban"},
                      {"HIDE_KEYBOARD", "mItemHideKeyboard"},
                      {"HIDE_RIBBON", "mItemHideRibbon"},
                      {"VISIBLE_KEYBOARD", "mItemVisibleKeyboard"},
                      {"MSG_RTFE_001", "mItemEditorRTF"},
                      {"MSG_RTFE_002", "mItemInsertEntete"},
                      {"MSG_RTFE_003", "mItemInsertPiedPage"},
                      {"PASTE", "mItemPasteToEditor"},
                      {"EXIT", "mItemQuitter"}}});
        l.push_back({"tape messages", messages({"INDICATE_NUMBER_LINES_0",
                                                "INDICATE_NUMBER_LINES_1",
                                                "INDICATE_NUMBER_LINES_2",
                                                "INDICATE_NUMBER_LINES_3",
                                                "INDICATE_NUMBER_LINES_4",
                                                "INDICATE_EDIT_MODE",
                                                "MSG_RF_001",
                                                "MSG_RF_002",
                                                "MSG_RF_003",
                                                "MSG_RF_MM_000",
                                                "MSG_RF_MM_001",
                                                "MSG_RF_MM_002",
                                                "MSG_RF_MM_003",
                                                "MSG_RF_MM_004",
                                                "MSG_RTFE_002",
                                                "MSG_RTFE_003",
                                                "INSERT_DATE",
                                                "INSERT_TITLE_OP",
                                                "INSERT_COMMENT_LINE",
                                                "MSG_RF_MM_008",
                                                "MSG_RF_MM_010",
                                                "MSG_RF_MM_011",
                                                "MSG_RF_MM_012",
                                                "MSG_RF_MM_013",
                                                "PRINCIPLE_OF_FUNCTIONING",
                                                "MSG_BOX_ADD_TITLE",
                                                "MSG_BOX_ADD_COMMENT_WANT",
                                                "MSG_BOX_ADD_TITLE_LINE",
                                                "MSG_BOX_ADD_COMMENT_LINE_WANT",
                                                "MSG_BOX_ADD_TITLE_RESULT",
                                                "MSG_BOX_ADD_COMMENT_RESULT_WANT",
                                                "MSG_RTFE_022"})});
        l.push_back({"header and footer editor",
                     messages({"MSG_RTFE_004", "MSG_RTFE_005", "SAVE_FILE",    "MSG_RTFE_006",
                               "MSG_RTFE_007", "MSG_RTFE_008", "MSG_RTFE_009", "MSG_RTFE_010",
                               "MSG_RTFE_011", "MSG_RTFE_012", "MSG_RTFE_013", "MSG_RTFE_014",
                               "MSG_RTFE_015", "MSG_RTFE_016", "MSG_RTFE_017", "MSG_RTFE_018",
                               "OPEN_O",       "MSG_RTFE_019", "MSG_RTFE_020", "MSG_RTFE_001"})});
        l.push_back({"preferences", messages({"WARN_MODIFIED",
                                              "DECIMALS",
                                              "NUMBER_OF_DECIMALS",
                                              "NOBODY_W",
                                              "ONE",
                                              "TWO",
                                              "THREE",
                                              "FOUR",
                                              "FIVE",
                                              "SEPARATOR_OF_THE_THOUSAND",
                                              "NOBODY_M",
                                              "SPACE",
                                              "COMMA_SEP",
                                              "POINT",
                                              "SIMPLE_QUOTE",
                                              "COMMENT_RESULT",
                                              "DEMAND_OF_CONFIRMATION",
                                              "ASK_BEFORE_INSERTING",
                                              "DO_NOT_ASK_AND_INSERT_DIRECTLY",
                                              "UPDATE",
                                              "DETECTION_AUTOMATIC_IN_EVERY_LAUNCH",
                                              "YES",
                                              "NO",
                                              "VOICE",
                                              "SOUND_RESOURCES",
                                              "VOICE_OF_MAN",
                                              "FEMININE_VOICE",
                                              "COMMON_TONE",
                                              "NO_TONE",
                                              "VOCAL_STATEMENT_VIA_KEYBOARD",
                                              "RATE",
                                              "APPEND_TVA",
                                              "RATE_OF_VAT",
                                              "RATE_1",
                                              "RATE_2",
                                              "RATE_3",
                                              "RATE_4",
                                              "RATE_5",
                                              "RATE_6",
                                              "SE",
                                              "RATE_OF_LOADS_SELF_EMPLOYMENT",
                                              "PROFILE_A",
                                              "PROFILE_B",
                                              "PROFILE_C",
                                              "MAX_TURNOVER_SELF_EMPLOYMENT",
                                              "APPEND_MAXIMUM_CA",
                                              "MISCELLANEOUS",
                                              "WARN_BEFORE_LEAVING_IF_NOT_REG_RIBBON",
                                              "REQUEST_DEL_RIBBON",
                                              "TRANSPARENCY",
                                              "KEYBOARD",
                                              "RIBBON",
                                              "MONEYS",
                                              "ASPECT_BY_DEFAULT",
                                              "TITLE_OF_BUTTONS",
                                              "TITLE_OF_MONEYS",
                                              "PUT_BACK_DEFAULT_MONEY",
                                              "PUT_BACK_DEFAULT",
                                              "FONT",
                                              "DISPLAY_FONT_SIZE_COLOR",
                                              "RIBBON_FONT_SIZE_COLOR",
                                              "CHANGE_FONT_DISPLAY",
                                              "CHANGE_COLOR_DISPLAY",
                                              "CHANGE_FONT_RIBBON",
                                              "CHANGE_COLOR_RIBBON"})});
        l.push_back({"body-mass index", messages({"ITMPPM_IMC",
                                                  "YOUR_WEIGHT",
                                                  "YOUR_SIZE",
                                                  "CALCULATE_THE_BODY_MASS_INDEX",
                                                  "WARNING",
                                                  "THIS_CLASSIFICATION_DOES_NOT_ALWAYS",
                                                  "INCLUDING_ATHLETES",
                                                  "BMI_MEANING",
                                                  "YOUR_BODY_MASS_INDEX_IS",
                                                  "CLASSIFICATION_FOLLOWING_CRITERIA",
                                                  "WEIGHT_INCAPACITY",
                                                  "SEVERE_THINNESS",
                                                  "MODERATE_THINNESS",
                                                  "LIGHT_THINNESS",
                                                  "NORMAL_VALUES",
                                                  "PRE_OBESE",
                                                  "OBESITE_CLASSIFY_I",
                                                  "OBESITE_CLASSIFY_II",
                                                  "OBESITE_CLASSIFY_III",
                                                  "CONSULT_YOUR_DOCTOR",
                                                  "FOR_MORE_AMPLE_ADVICE_CONSULT"})});
        l.push_back({"about", messages({"ABOUT", "WRITE_TO_THE_AUTHOR", "DEVELOPED_UNDER",
                                        "ABOUT_THE_VOCAL_RESOURCES", "NAME_AUTHOR_TRANSLATION",
                                        "NAME_A_T", "SITE_AUTHOR_TRANSLATION",
                                        "EMAIL_AUTHOR_TRANSLATION", "EMAIL_A_T", "SITE_A_T"})});
        l.push_back({"update", messages({"CAPTION_FORM_UPDATE", "NEW_VERSION_OF_ZUMBREL_AVAILABLE",
                                         "WHATS_NEW", "THE_PROCEDURE_OF_IMPLEMENTATION",
                                         "TO_UNWIND_THE_ZIP_AND_OF_THEN", "THE_AUTHOR_WISHES_YOU",
                                         "I_UPDATE", "LATER"})});
        l.push_back({"information windows",
                     messages({"CREDITS", "THE_VOICE_OF", "LICENSE", "PRINCIPLE_OF_FUNCTIONING",
                               "ABOUT_THE_VOCAL_RESOURCES"})});
        std::vector<LanguageKey> names;
        for (const AccessibleNameKey& k : kAccessibleNames)
            names.push_back({k.key, k.control});
        l.push_back({"accessible names", names});
        return l;
    }();
    return lists;
}

std::vector<std::string_view> allLanguageKeys() {
    std::vector<std::string_view> out;
    for (const WindowKeys& w : languageKeyLists()) {
        for (const LanguageKey& k : w.keys) {
            // A language file cannot hold a key with a trailing space: it is the same key.
            std::string_view key = k.key;
            while (!key.empty() && key.back() == ' ')
                key.remove_suffix(1);
            if (std::find(out.begin(), out.end(), key) == out.end()) out.push_back(key);
        }
    }
    return out;
}

}  // namespace zumbrel::config
