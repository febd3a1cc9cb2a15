#pragma once

namespace zumbrel::calc {

// Which commands of the keypad and tape windows are available; the windows show it.
struct CommandState {
    bool mItemPrint = false;
    bool mItemEnregistrerSous = false;
    bool ToolBtnSave = false;
    bool ToolbtnPrint = false;
    bool mItemEnregistrer = false;
    // The tape toolbar's edit buttons and the menu items that edit mode turns off.
    bool editCommands = true;

    // btnEnabled: the tape text changed.
    void btnEnabled(bool tapeExists, bool tapeEmpty) {
        if (tapeExists && !tapeEmpty) setSaveAndPrint(true);
        mItemEnregistrer = true;
    }
    // btnNotEnabled: the keypad was shown, or a tape file was opened or saved.
    void btnNotEnabled(bool tapeExists, bool tapeEmpty) {
        if (tapeExists && tapeEmpty) setSaveAndPrint(false);
        mItemEnregistrer = false;
    }

  private:
    void setSaveAndPrint(bool on) {
        mItemPrint = mItemEnregistrerSous = ToolBtnSave = ToolbtnPrint = on;
    }
};

}  // namespace zumbrel::calc
