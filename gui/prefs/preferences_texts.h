#pragma once

#include "core/ports.h"

// The preferences window's texts: the language files' keys and the built-in French.
namespace zumbrel::gui::prefs_texts {

constexpr Message kCaption{"PREFERENCES", "Préférences"};
constexpr Message kAtOnce{"WARN_MODIFIED",
                          "Toute modification sera immédiatement prise en compte !"};
constexpr Message kDecimals{"DECIMALS", " Décimales"};
constexpr Message kNumberOfDecimals{"NUMBER_OF_DECIMALS", " Nombre de décimales "};
constexpr Message kNoneF{"NOBODY_W", "Aucune"};
constexpr Message kOne{"ONE", "Une"};
constexpr Message kTwo{"TWO", "Deux"};
constexpr Message kThree{"THREE", "Trois"};
constexpr Message kFour{"FOUR", "Quatre"};
constexpr Message kFive{"FIVE", "Cinq"};
constexpr Message kThousands{"SEPARATOR_OF_THE_THOUSAND", " Séparateur des mille "};
constexpr Message kNoneM{"NOBODY_M", "Aucun"};
constexpr Message kSpace{"SPACE", "Espace"};
constexpr Message kQuote{"SIMPLE_QUOTE", "Simple quote"};
constexpr Message kComma{"COMMA_SEP", "Virgule"};
constexpr Message kPoint{"POINT", "Point"};
constexpr Message kResultComment{"COMMENT_RESULT", "Commentaire de résultat"};
constexpr Message kConfirm{"DEMAND_OF_CONFIRMATION", " Demande de confirmation "};
constexpr Message kAskFirst{"ASK_BEFORE_INSERTING", "Demander avant d'insérer"};
constexpr Message kDontAsk{"DO_NOT_ASK_AND_INSERT_DIRECTLY",
                           "Ne pas demander et insérer directement"};
constexpr Message kUpdate{"UPDATE", "Mise à jour "};
constexpr Message kDetectAuto{"DETECTION_AUTOMATIC_IN_EVERY_LAUNCH",
                              " Détection automatique à chaque lancement "};
constexpr Message kYes{"YES", "Oui"};
constexpr Message kNo{"NO", "Non"};
constexpr Message kVoice{"VOICE", "Voix"};
constexpr Message kSoundResources{"SOUND_RESOURCES", " Ressources sonores "};
constexpr Message kManVoice{"VOICE_OF_MAN", "Voix d'homme"};
constexpr Message kWomanVoice{"FEMININE_VOICE", "Voix de femme"};
constexpr Message kCommonSound{"COMMON_TONE", "Sonorité commune"};
constexpr Message kNoSound{"NO_TONE", "Aucune sonorité"};
constexpr Message kKeysSpoken{"VOCAL_STATEMENT_VIA_KEYBOARD", " Enoncé vocal via clavier "};
constexpr Message kVoiceRate{"VOICE_RATE", "Vitesse de la voix"};
constexpr Message kRate{"RATE", "Taux"};
constexpr Message kVatRates{"RATE_OF_VAT", " Taux de TVA"};
constexpr Message kQuebecTab{"QUEBEC_RATES_TAB", "Taux TPS et TVP"};
constexpr Message kQuebecRates{"QUEBEC_RATES", "Taux de TPS et TVP"};
constexpr Message kQuebecTps{"QUEBEC_TPS", "TPS (%)"};
constexpr Message kQuebecTvp{"QUEBEC_TVP", "Taxe provinciale (%)"};
constexpr Message kQuebecTaxName{"QUEBEC_TAX_NAME", "Nom de la taxe provinciale"};
constexpr Message kAeRates{"RATE_OF_LOADS_SELF_EMPLOYMENT", " Taux de charges AE "};
constexpr Message kProfileA{"PROFILE_A", "PROFIL A"};
constexpr Message kProfileB{"PROFILE_B", "PROFIL B"};
constexpr Message kProfileC{"PROFILE_C", "PROFIL C"};
constexpr Message kAeCeilings{"MAX_TURNOVER_SELF_EMPLOYMENT", " CA maximum AE "};
constexpr Message kMiscellaneous{"MISCELLANEOUS", "Divers"};
constexpr Message kWarnQuit{"WARN_BEFORE_LEAVING_IF_NOT_REG_RIBBON",
                            " Avertir avant de quitter si ruban non enregistré "};
constexpr Message kWarnErase{"REQUEST_DEL_RIBBON", " Avertir avant d'effacer le ruban "};
constexpr Message kInterimSaid{"PREFS_INTERIM_SAID", " Résultats intermédiaires annoncés "};
constexpr Message kInterimLong{"PREFS_INTERIM_LONG", "Résultat intermédiaire : 15,00"};
constexpr Message kInterimShort{"PREFS_INTERIM_SHORT", "Sous-total : 15,00"};
constexpr Message kCountItems{"PREFS_COUNT_ITEMS", " Compter les articles "};
constexpr Message kTranslucency{"TRANSPARENCY", "Transparence "};
constexpr Message kKeypad{"KEYBOARD", "Clavier"};
constexpr Message kTape{"RIBBON", "Ruban"};
constexpr Message kCurrencies{"MONEYS", "Monnaies"};
constexpr Message kByDefault{"ASPECT_BY_DEFAULT", "Aspect par défaut"};
constexpr Message kButtonTitles{"TITLE_OF_BUTTONS", "Libellé des boutons "};
constexpr Message kCurrencyNames{"TITLE_OF_MONEYS", " Libellé monnaies "};
constexpr Message kDefaultCurrencies{"PUT_BACK_DEFAULT_MONEY",
                                     "Remettre par défaut (francs euros)"};
constexpr Message kDefaultFont{"PUT_BACK_DEFAULT", "Remettre par défaut"};
constexpr Message kFont{"FONT", "Fonte"};
constexpr Message kDisplayFont{"DISPLAY_FONT_SIZE_COLOR", " Afficheur "};
constexpr Message kTapeFont{"RIBBON_FONT_SIZE_COLOR", " Ruban "};
constexpr Message kChangeDisplayFont{"CHANGE_FONT_DISPLAY", "Changer la police de l'afficheur"};
constexpr Message kChangeDisplayColour{"CHANGE_COLOR_DISPLAY", "Changer la couleur de l'afficheur"};
constexpr Message kChangeTapeFont{"CHANGE_FONT_RIBBON", "Changer la police du ruban"};
constexpr Message kChangeTapeColour{"CHANGE_COLOR_RIBBON", "Changer la couleur du ruban"};
constexpr Message kDisplayTop{"PREFS_DISPLAY_TOP", "Haut de l'afficheur"};
constexpr Message kDisplayHeight{"PREFS_DISPLAY_HEIGHT", "Hauteur de l'afficheur"};

}  // namespace zumbrel::gui::prefs_texts
