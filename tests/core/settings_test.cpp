#include "core/config/settings.h"

#include <gtest/gtest.h>
#include "test_names.h"

#include <filesystem>
#include <fstream>

#include "core/config/install_layout.h"
#include "core/local_file_system.h"
#include "core/memory_ports.h"

namespace zumbrel::config {
namespace {

constexpr const char* kPath = "/app/Zumbrel.ini";

class SettingsFile : public testing::Test {
  protected:
    SettingsFile() { files.folders.insert("/app"); }
    ProfileFile withFile(const std::string& bytes) {
        files.files[kPath] = bytes;
        return ProfileFile::load(files, kPath);
    }
    Settings read(const std::string& bytes, InstallCode code = InstallCode::ZMB) {
        Settings s = Settings::firstRun(',');
        ReadINI(withFile(bytes), code, ',', s);
        return s;
    }
    MemoryFileSystem files;
};

TEST_F(SettingsFile, without_the_marker_the_first_run_values_stay) {
    const Settings s = read("[CONFIG]\r\nRateTVP=1\r\nQuebTVP=X\r\nNbrDec=4\r\n");
    EXPECT_EQ(s.rateTVP, "9,975");
    EXPECT_EQ(s.quebTVP, "TVQ");
    EXPECT_EQ(s.nbrDec, "2");
    EXPECT_EQ(s.lang, 1);
}

TEST_F(SettingsFile, with_the_marker_absent_keys_take_their_defaults) {
    const Settings s = read("[CONFIG]\r\nAlpha=1\r\n");
    EXPECT_EQ(s.rateTVP, "7,50");
    EXPECT_EQ(s.quebTVP, "TVP");
    EXPECT_TRUE(s.warnCR);
    EXPECT_EQ(s.displayFontName, "7LED");
    EXPECT_EQ(s.displayBackColor, 16770790);
    for (const std::string& v : s.rateAEs)
        EXPECT_EQ(v, "");
    EXPECT_EQ(s.rateAE, "");
    EXPECT_EQ(s.profilAE, "");
    EXPECT_EQ(s.caMaxAE, "");
    EXPECT_EQ(s.lang, 0);
    EXPECT_TRUE(s.seekUpdate);
}

struct NbrDecCase {
    const char* file;
    const char* nbrDec;
    bool wavKeyOnly;
};

class NbrDecReading : public SettingsFile, public testing::WithParamInterface<NbrDecCase> {};

TEST_P(NbrDecReading, keeps_four_characters_and_decides_digit_by_digit_speech) {
    const Settings s = read(std::string("[CONFIG]\r\nAlpha=1\r\n") + GetParam().file);
    EXPECT_EQ(s.nbrDec, GetParam().nbrDec);
    EXPECT_EQ(s.wavKeyOnly, GetParam().wavKeyOnly);
}

INSTANTIATE_TEST_SUITE_P(Cases, NbrDecReading,
                         testing::Values(NbrDecCase{"NbrDec=12345\r\n", "1234", false},
                                         NbrDecCase{"NbrDec=4\r\nWavKeyOnly=0\r\n", "4", true},
                                         NbrDecCase{"NbrDec=2\r\nWavKeyOnly=1\r\n", "2", false},
                                         NbrDecCase{"NbrDec=x\r\nWavKeyOnly=1\r\n", "x", true},
                                         NbrDecCase{"NbrDec=0\r\nWavKeyOnly=1\r\n", "0", false},
                                         NbrDecCase{"NbrDec=1\r\nWavKeyOnly=1\r\n", "1", false},
                                         NbrDecCase{"NbrDec=3\r\nWavKeyOnly=1\r\n", "3", false},
                                         NbrDecCase{"NbrDec=5\r\nWavKeyOnly=0\r\n", "5", true}),
                         testing_names::namedBy([](const NbrDecCase& c) {
                             return std::string(c.file);
                         }));

// The short announcements: off unless the file says so, and kept through a write.
TEST_F(SettingsFile, short_announcements_are_off_by_default_and_kept) {
    EXPECT_FALSE(read("[CONFIG]\r\nAlpha=1\r\n").shortAnnouncements);
    EXPECT_TRUE(read("[CONFIG]\r\nAlpha=1\r\nShortAnnouncements=1\r\n").shortAnnouncements);
}

// The item count: off unless the file says so, and written back.
TEST_F(SettingsFile, the_item_count_is_off_by_default_and_written_back) {
    EXPECT_FALSE(read("[CONFIG]\r\nAlpha=1\r\n").countItems);
    EXPECT_TRUE(read("[CONFIG]\r\nAlpha=1\r\nCountItems=1\r\n").countItems);
    ProfileFile f = withFile("[CONFIG]\r\nAlpha=1\r\n");
    Settings s = Settings::firstRun(',');
    s.countItems = true;
    WriteSettings(f, s);
    EXPECT_EQ(f.find("CONFIG", "CountItems"), std::optional<std::string>("1"));
}

// The recent tapes: File1 to File8 of [RECENT], up to the first gap, written back whole.
TEST_F(SettingsFile, the_recent_tapes_are_read_in_order_and_written_back) {
    ProfileFile f = withFile(
        "[CONFIG]\r\nAlpha=1\r\n[RECENT]\r\nFile1=/a.rtf\r\nFile2=/b.rtf\r\nFile4=/d.rtf\r\n");
    Settings s = Settings::firstRun(',');
    ReadINI(f, InstallCode::ZMB, ',', s);
    EXPECT_EQ(s.recentTapes, (std::vector<std::string>{"/a.rtf", "/b.rtf"}));
    s.recentTapes = {"/c.rtf"};
    WriteSettings(f, s);
    EXPECT_EQ(f.find("RECENT", "File1"), std::optional<std::string>("/c.rtf"));
    EXPECT_FALSE(f.find("RECENT", "File2"));
    EXPECT_FALSE(f.find("RECENT", "File4"));
}

// The voice's rate: "1" unless the file says otherwise, taken as written.
TEST_F(SettingsFile, the_voice_rate_is_one_by_default_and_read_as_written) {
    EXPECT_EQ(read("[CONFIG]\r\nAlpha=1\r\n").voiceRate, "1");
    EXPECT_EQ(read("[CONFIG]\r\nAlpha=1\r\nVoiceRate=2.25\r\n").voiceRate, "2.25");
    EXPECT_EQ(read("[CONFIG]\r\nVoiceRate=2.25\r\n").voiceRate, "1");  // no marker: first run
}

TEST_F(SettingsFile, the_number_list_stops_at_the_first_gap_and_is_written_again_whole) {
    ProfileFile f = withFile("[CONFIG]\r\nAlpha=1\r\n[LISTMEMORY]\r\nNbr0=1,5\r\nNbr2=3\r\n");
    Settings s = Settings::firstRun(',');
    ReadINI(f, InstallCode::ZMB, ',', s);
    EXPECT_EQ(s.listNbr, (std::vector<std::string>{"1,5"}));
    WriteSettings(f, s);
    EXPECT_EQ(f.find("LISTMEMORY", "Nbr0"), "1,5");
    EXPECT_FALSE(f.find("LISTMEMORY", "Nbr2"));
}

TEST_F(SettingsFile, the_skin_key_is_written_only_once_a_skin_was_chosen) {
    ProfileFile f = withFile("[CONFIG]\r\nAlpha=1\r\n");
    Settings s = Settings::firstRun(',');
    ReadINI(f, InstallCode::ZMB, ',', s);
    EXPECT_EQ(s.skin, "");
    WriteSettings(f, s);
    EXPECT_FALSE(f.find("FORM1", "Skin"));
    s.skin = "Graphite";
    WriteSettings(f, s);
    EXPECT_EQ(read(*f.bytes()).skin, "Graphite");
    s.skin.clear();  // back to the built-in skin: the key says so
    WriteSettings(f, s);
    EXPECT_EQ(f.find("FORM1", "Skin"), "");
}

TEST_F(SettingsFile, display_style_4_changes_nothing) {
    EXPECT_EQ(read("[CONFIG]\r\nAlpha=1\r\nDisplayFontStyle=4\r\n").displayFontStyle, 1);
    EXPECT_EQ(read("[CONFIG]\r\nAlpha=1\r\nDisplayFontStyle=3\r\n").displayFontStyle, 3);
}

TEST_F(SettingsFile, opacity_is_taken_modulo_256) {
    EXPECT_EQ(Settings::opacity("True", "300"), 44);
    EXPECT_EQ(Settings::opacity("True", "180"), 180);
    EXPECT_FALSE(Settings::opacity("False", "180"));
    EXPECT_FALSE(Settings::opacity("true", "180"));
}

TEST_F(SettingsFile, a_bad_opacity_keeps_its_default_and_the_reading_goes_on) {
    ProfileFile f = withFile(
        "[CONFIG]\r\nAlpha=1\r\nModifiedWarn=0\r\n[FORM1]\r\nKeyboardAlphaBlendValue=abc\r\n");
    Settings s = Settings::firstRun(',');
    const ReadReport r = ReadINI(f, InstallCode::ZMB, ',', s);
    EXPECT_EQ(s.keyboardAlphaBlendValue, "255");
    EXPECT_FALSE(s.modifiedWarn);  // read after it
    EXPECT_EQ(r.ignoredValues, (std::vector<std::string>{"KeyboardAlphaBlendValue"}));
}

TEST_F(SettingsFile, lang_is_one_byte) {
    EXPECT_EQ(read("[CONFIG]\r\nAlpha=1\r\nLang=257\r\n").lang, 1);
    EXPECT_EQ(read("[CONFIG]\r\nAlpha=1\r\nLang=9\r\n").lang, 9);
    EXPECT_EQ(read("[CONFIG]\r\nAlpha=1\r\nLANG=8\r\n").lang, 8);
}

TEST_F(SettingsFile, installation_codes_decide_what_is_read_and_written) {
    const std::string file =
        "[CONFIG]\r\nAlpha=1\r\nLang=3\r\nRR=0\r\nVoice=WMa\r\nSeekUpdate=0\r\n";
    const Settings e = read(file, InstallCode::E);
    EXPECT_EQ(e.lang, 1);
    EXPECT_TRUE(e.rr);
    EXPECT_EQ(e.voice, "WWo");
    EXPECT_FALSE(e.seekUpdate);
    const Settings qt = read(file, InstallCode::QT);
    EXPECT_EQ(qt.lang, 1);
    EXPECT_FALSE(qt.rr);
    EXPECT_EQ(qt.voice, "WMa");
    EXPECT_FALSE(qt.seekUpdate);  // never read under "QT": the first-run value stays

    for (InstallCode code : {InstallCode::E, InstallCode::QT, InstallCode::ZMB}) {
        ProfileFile f = withFile("");
        writeOnClose(f, code, Settings::firstRun(','));
        EXPECT_EQ(f.find("CONFIG", "Lang").has_value(), code == InstallCode::ZMB)
            << installCodeText(code);
        EXPECT_EQ(f.find("CONFIG", "RR").has_value(), code != InstallCode::E)
            << installCodeText(code);
        EXPECT_EQ(f.find("CONFIG", "Voice").has_value(), code != InstallCode::E)
            << installCodeText(code);
        EXPECT_EQ(f.find("CONFIG", "SeekUpdate").has_value(), code != InstallCode::QT)
            << installCodeText(code);
    }
}

TEST_F(SettingsFile, a_round_trip_keeps_comments_and_unknown_keys) {
    ProfileFile f = withFile(
        "; my settings\r\n[CONFIG]\r\nAlpha=1\r\nMine=42\r\nNbrDec=3\r\n\r\n[OTHER]\r\nX=1\r\n");
    Settings s = Settings::firstRun(',');
    ReadINI(f, InstallCode::ZMB, ',', s);
    s.nbrDec = "4";
    s.memories[2] = "12,5";
    writeOnClose(f, InstallCode::ZMB, s);
    std::string error;
    ASSERT_TRUE(f.save(files, error)) << error;
    const std::string& out = files.files[kPath];
    EXPECT_TRUE(out.starts_with("; my settings\r\n[CONFIG]\r\nAlpha=1\r\nMine=42\r\nNbrDec=4\r\n"))
        << out;
    EXPECT_NE(out.find("[OTHER]\r\nX=1\r\n"), std::string::npos);
    Settings again = Settings::firstRun(',');
    ReadINI(ProfileFile::load(files, kPath), InstallCode::ZMB, ',', again);
    EXPECT_EQ(again.nbrDec, "4");
    EXPECT_EQ(again.memories[2], "12,5");
    EXPECT_EQ(again.rateTVP, s.rateTVP);
    EXPECT_EQ(again.btnFToETitle, "F > €");
}

TEST_F(SettingsFile, windows_1252_files_stay_windows_1252_and_utf8_files_stay_utf8) {
    ProfileFile ansi = withFile("[CONFIG]\r\nBtnFToETitle=F > \x80\r\n");
    EXPECT_FALSE(ansi.isUtf8());
    EXPECT_EQ(ansi.readString("CONFIG", "BtnFToETitle"), "F > €");
    ansi.writeString("CONFIG", "ExchangeOtherEu", "€uros");
    EXPECT_NE(ansi.bytes()->find("ExchangeOtherEu=\x80uros"), std::string::npos);

    ProfileFile utf8 = withFile("[CONFIG]\r\nBtnFToETitle=F > €\r\n");
    EXPECT_TRUE(utf8.isUtf8());
    EXPECT_EQ(utf8.readString("CONFIG", "BtnFToETitle"), "F > €");
    utf8.writeString("CONFIG", "ExchangeOtherEu", "€uros");
    EXPECT_NE(utf8.bytes()->find("ExchangeOtherEu=€uros"), std::string::npos);

    files.files.erase(kPath);
    ProfileFile fresh = ProfileFile::load(files, kPath);
    fresh.writeString("CONFIG", "BtnFToETitle", "F > €");
    EXPECT_EQ(*fresh.bytes(), "[CONFIG]\r\nBtnFToETitle=F > \x80\r\n");
}

struct IntegerCase {
    const char* text;
    std::optional<long> value;
};

TEST(ProfileIntegers, decimal_and_hexadecimal) {
    const IntegerCase cases[] = {{"12", 12},
                                 {"-7", -7},
                                 {"$FF", 255},
                                 {"0x10", 16},
                                 {"0X1f", 31},
                                 {"$FFFFFFFF", -1},
                                 {"12a", std::nullopt},
                                 {"", std::nullopt},
                                 {"1e3", std::nullopt},
                                 {"99999999999", std::nullopt},
                                 {" 5 ", 5}};
    for (const IntegerCase& c : cases)
        EXPECT_EQ(ProfileFile::parseInteger(c.text), c.value) << c.text;
}

TEST_F(SettingsFile, placements) {
    files.files.erase(kPath);
    EXPECT_EQ(LoadFormPlacement(ProfileFile::load(files, kPath))->x, 429);
    EXPECT_EQ(LoadFormPlacement(ProfileFile::load(files, kPath))->y, 87);
    EXPECT_FALSE(LoadFormPlacement(withFile("[CONFIG]\r\nAlpha=1\r\n")));
    ProfileFile f = withFile("[FORM1]\r\nLeft=100\r\n");
    EXPECT_EQ(LoadFormPlacement(f)->x, 100);
    EXPECT_EQ(LoadFormPlacement(f)->y, 0);
    SaveRibbonPlacement(f, {false, {10, 20, 405, 544}});
    const auto p = LoadRibbonPlacement(f);
    ASSERT_TRUE(p);
    EXPECT_FALSE(p->maximized);
    EXPECT_EQ(p->normal.left, 10);
    EXPECT_EQ(p->normal.height, 544);
}

// A first run with no settings file: the tape maximised, then closed. The next start must
// find where the tape goes when it is restored.
TEST_F(SettingsFile, a_maximised_tape_keeps_its_normal_place) {
    ProfileFile f = withFile("[CONFIG]\r\nAlpha=1\r\n");
    SaveRibbonPlacement(f, {true, {30, 40, 405, 544}});
    const auto p = LoadRibbonPlacement(f);
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->maximized);
    EXPECT_EQ(p->normal.left, 30);
    EXPECT_EQ(p->normal.top, 40);
    EXPECT_EQ(p->normal.width, 405);
    EXPECT_EQ(p->normal.height, 544);
}

TEST(SettingsCrashSafety, a_write_interrupted_before_the_rename_leaves_the_old_file) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("zumbrel-crash-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "Zumbrel.ini").string();
    std::ofstream(path, std::ios::binary) << "[CONFIG]\r\nAlpha=1\r\nNbrDec=3\r\n";
    LocalFileSystem files;
    ProfileFile f = ProfileFile::load(files, path);
    f.writeString("CONFIG", "NbrDec", "5");
    files.beforeReplace = [] { return false; };
    std::string error;
    EXPECT_FALSE(f.save(files, error));
    std::ifstream in(path, std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(kept, "[CONFIG]\r\nAlpha=1\r\nNbrDec=3\r\n");
    files.beforeReplace = nullptr;
    EXPECT_TRUE(f.save(files, error)) << error;
    EXPECT_EQ(ProfileFile::load(files, path).readString("CONFIG", "NbrDec"), "5");
    fs::remove_all(dir);
}

// ---- installation layout -------------------------------------------------------------------

TEST(InstallLayout, three_codes) {
    const Environment env{"/home/u", "", ""};
    MemoryFileSystem zmb;
    zmb.createFolders("/opt/z/resources/LANGUAGE");
    zmb.createFolders("/opt/z/resources/system");
    zmb.createFolders("/opt/z/resources/Wav");
    const InstallLayout a = decideInstallLayout(zmb, "/opt/z", env);
    EXPECT_EQ(a.code, InstallCode::ZMB);
    EXPECT_EQ(a.settingsPath, "/opt/z/resources/system/Zumbrel.ini");
    EXPECT_EQ(a.soundRoot, "/opt/z/resources/Wav/");

    MemoryFileSystem qt;
    qt.createFolders("/opt/t");
    qt.createFolders("/home/u/.local/share/Talonnor");
    qt.files["/opt/t/talonnor.EXE"] = "";
    const InstallLayout b = decideInstallLayout(qt, "/opt/t/", env);
    EXPECT_EQ(b.code, InstallCode::QT);
    EXPECT_EQ(b.settingsPath, "/home/u/.local/share/Talonnor/Zumbrel.ini");
    EXPECT_EQ(b.soundRoot, "");

    MemoryFileSystem bare;
    bare.createFolders("/opt/e");
    const InstallLayout c = decideInstallLayout(bare, "/opt/e", env);
    EXPECT_EQ(c.code, InstallCode::E);
    EXPECT_EQ(c.settingsPath, "/opt/e/Zumbrel.ini");
    EXPECT_FALSE(c.settingsInUserConfig);
}

TEST(InstallLayout, an_installed_copy_keeps_its_settings_in_the_user_configuration) {
    MemoryFileSystem files;
    files.createFolders("/usr/share/zumbrel/Resources/Language");
    files.createFolders("/usr/share/zumbrel/Resources/System");
    files.readOnlyFolders.insert("/usr/share/zumbrel/Resources/System");
    const InstallLayout l =
        decideInstallLayout(files, "/usr/share/zumbrel", {"/home/u", "", "/home/u/.cfg"});
    EXPECT_EQ(l.code, InstallCode::ZMB);
    EXPECT_EQ(l.settingsPath, "/home/u/.cfg/zumbrel/Zumbrel.ini");
    EXPECT_TRUE(l.settingsInUserConfig);
}

// Installed with cmake --install or the package: the program in <prefix>/bin finds what it
// reads in <prefix>/share/zumbrel, wherever the prefix is, and writes only in the user's
// folders, even when the prefix is writable.
TEST(InstallLayout, a_program_in_a_prefix_reads_share_and_writes_in_the_users_folders) {
    for (const std::string prefix : {"/usr", "/home/u/.local", "/tmp/moved/here"}) {
        MemoryFileSystem files;
        files.createFolders(prefix + "/bin");
        files.createFolders(prefix + "/share/zumbrel/Resources/Language");
        files.createFolders(prefix + "/share/zumbrel/Resources/Wav");
        const InstallLayout l = decideInstallLayout(files, prefix + "/bin", {"/home/u", "", ""});
        EXPECT_EQ(l.code, InstallCode::ZMB) << prefix;
        EXPECT_TRUE(l.installed) << prefix;
        EXPECT_EQ(l.appFolder, prefix + "/share/zumbrel/") << prefix;
        EXPECT_EQ(l.soundRoot, prefix + "/share/zumbrel/Resources/Wav/") << prefix;
        EXPECT_EQ(l.settingsPath, "/home/u/.config/zumbrel/Zumbrel.ini") << prefix;
    }
}

TEST(InstallLayout, resources_beside_the_program_win_over_an_installed_copy) {
    MemoryFileSystem files;
    files.createFolders("/usr/bin/Resources/Language");
    files.createFolders("/usr/bin/Resources/System");
    files.createFolders("/usr/share/zumbrel/Resources/Language");
    const InstallLayout l = decideInstallLayout(files, "/usr/bin/", {"/home/u", "", ""});
    EXPECT_FALSE(l.installed);
    EXPECT_EQ(l.settingsPath, "/usr/bin/Resources/System/Zumbrel.ini");
}

TEST(InstallLayout, talonnor_beside_language_files_is_still_zmb) {
    MemoryFileSystem files;
    files.createFolders("/opt/z/Resources/Language");
    files.createFolders("/opt/z/Resources/System");
    files.files["/opt/z/Talonnor"] = "";
    EXPECT_EQ(decideInstallLayout(files, "/opt/z", {"/home/u", "", ""}).code, InstallCode::ZMB);
}

}  // namespace
}  // namespace zumbrel::config
