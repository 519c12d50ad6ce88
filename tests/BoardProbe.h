// Test helpers that look at the whole board at once: every placed control by
// name, a text snapshot of the geometry, and a fingerprint of the game state
// and of what the host was asked, for comparing two runs of the game.
#pragma once

#include "FakeHost.h"

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

using NamedControl = std::pair<std::string, const game::Control*>;
using NamedLine = std::pair<std::string, const game::Line*>;

inline std::vector<NamedControl> PlacedControls(const game::Board& b) {
    std::vector<NamedControl> all;
    auto add = [&](const std::string& name, const game::Control& c) { all.emplace_back(name, &c); };
    auto addRows = [&](const std::string& name, const game::RowLabels& rows) {
        for (int row = 0; row < game::RowCount; ++row) {
            add(name + "(" + std::to_string(row) + ")", rows[row]);
        }
    };
    addRows("lblDown", b.lblDown);
    addRows("lblUp", b.lblUp);
    addRows("lblRand", b.lblRand);
    addRows("lblOblg", b.lblOblg);
    addRows("cmdDown", b.cmdDown);
    addRows("cmdUp", b.cmdUp);
    addRows("cmdRand", b.cmdRand);
    addRows("cmdOblg", b.cmdOblg);
    addRows("lblTip", b.lblTip);
    addRows("lblOption", b.lblOption);
    addRows("shpOptions", b.shpOptions);
    addRows("Shape12", b.Shape12);
    add("lblDownTot1", b.lblDownTot1);
    add("lblUpTot1", b.lblUpTot1);
    add("lblRandTot1", b.lblRandTot1);
    add("lblOblgTot1", b.lblOblgTot1);
    add("lblDownTot2", b.lblDownTot2);
    add("lblUpTot2", b.lblUpTot2);
    add("lblRandTot2", b.lblRandTot2);
    add("lblOblgTot2", b.lblOblgTot2);
    add("lblDownTot", b.lblDownTot);
    add("lblUpTot", b.lblUpTot);
    add("lblRandTot", b.lblRandTot);
    add("lblOblgTot", b.lblOblgTot);
    add("lblGrandTotal", b.lblGrandTotal);
    add("Label13", b.Label13);
    add("shpLabel13", b.shpLabel13);
    add("Label2", b.Label2);
    add("shpLabel2", b.shpLabel2);
    add("lblSubTotalTitle", b.lblSubTotalTitle);
    add("shpSubTotalTitle", b.shpSubTotalTitle);
    add("lblMiddleTitle", b.lblMiddleTitle);
    add("shpMiddleTitle", b.shpMiddleTitle);
    add("Shape10", b.Shape10);
    add("Shape11", b.Shape11);
    add("imgArrow", b.imgArrow);
    add("imgArrow2", b.imgArrow2);
    add("Picture2", b.Picture2);
    for (int die = 0; die < game::DieCount; ++die) {
        add("picDice(" + std::to_string(die) + ")", b.picDice[die]);
        add("PicDiceOff(" + std::to_string(die) + ")", b.PicDiceOff[die]);
    }
    add("Shape1", b.Shape1);
    add("Shape3", b.Shape3);
    add("Shape4", b.Shape4);
    add("Shape5", b.Shape5);
    add("Shape6", b.Shape6);
    add("Shape7", b.Shape7);
    add("Shape8", b.Shape8);
    add("Shape9", b.Shape9);
    add("picRollDices", b.picRollDices);
    for (int k = 0; k < 3; ++k) {
        add("picRound(" + std::to_string(k) + ")", b.picRound[k]);
        add("picRoundBG(" + std::to_string(k) + ")", b.picRoundBG[k]);
    }
    add("cmdNextPlayer", b.cmdNextPlayer);
    add("cmdShowNextBoard", b.cmdShowNextBoard);
    return all;
}

inline std::vector<NamedLine> PlacedLines(const game::Board& b) {
    return {{"Line1", &b.Line1},   {"Line3", &b.Line3},  {"Line4", &b.Line4}, {"Line5", &b.Line5},
            {"Line6", &b.Line6},   {"Line7", &b.Line7},  {"Line8", &b.Line8}, {"Line9", &b.Line9},
            {"Line10", &b.Line10}, {"Line12", &b.Line12}};
}

// One line per control and line: its name, place and shown flag.
inline std::vector<std::string> GeometrySnapshot(const game::Board& b) {
    std::vector<std::string> lines;
    for (const auto& [name, c] : PlacedControls(b)) {
        lines.push_back(name + " " + std::to_string(c->Left) + "," + std::to_string(c->Top) + " " +
                        std::to_string(c->Width) + "x" + std::to_string(c->Height) +
                        (c->Visible ? " shown" : " hidden"));
    }
    for (const auto& [name, l] : PlacedLines(b)) {
        lines.push_back(name + " " + std::to_string(l->X1) + "," + std::to_string(l->Y1) + "-" +
                        std::to_string(l->X2) + "," + std::to_string(l->Y2));
    }
    lines.push_back("window " + std::to_string(b.Width) + "x" + std::to_string(b.Height));
    return lines;
}

// What a handler may have changed: the running game's fields, the sheet's
// texts and buttons, the bars, and every request made of the host.
inline std::vector<std::string> StateFingerprint(const Table& t) {
    const game::Board& b = t.board;
    std::vector<std::string> f;
    auto flag = [](bool v) { return std::string(v ? "1" : "0"); };
    f.push_back("counts " + std::to_string(b.RollCount) + " " + std::to_string(b.Round) + " " +
                std::to_string(b.CurrentColumn) + " " + std::to_string(b.CurrentRow) + " " +
                std::to_string(b.RevealVariant));
    std::string dice = "dice";
    for (int die = 0; die < game::DieCount; ++die) {
        dice += " " + std::to_string(b.Dice[die]) + flag(t.prog.DieFree[die]) +
                flag(b.picDice[die].Visible) + flag(b.picDice[die].Enabled) +
                flag(b.PicDiceOff[die].Visible) + b.picDice[die].Picture;
    }
    f.push_back(dice);
    f.push_back("flags " + flag(t.prog.GameInProgress) + flag(b.GameIsOver) +
                flag(b.FirstRollPending) + flag(b.RollAllowed) + flag(b.HintAvailable) +
                flag(b.HintShown) + flag(b.Announced) + flag(t.prog.SoundOn));
    f.push_back("timers " + flag(b.tmrAnimation.Enabled) + flag(b.tmrRollDice.Enabled) +
                flag(b.tmrGameOver.Enabled));
    f.push_back("roll " + flag(b.picRollDices.Enabled) + b.picRollDices.Picture);
    for (int column = game::colDown; column <= game::colOblg; ++column) {
        std::string cells = "column " + std::to_string(column);
        for (int row = 0; row < game::RowCount; ++row) {
            cells += " [" + b.Cells(column)[row].Caption + "]" +
                     flag(b.Buttons(column)[row].Visible) + flag(b.Buttons(column)[row].Enabled);
        }
        cells += " " + b.UpperTotal(column).Caption + "/" + b.MiddleTotal(column).Caption + "/" +
                 b.ColumnTotal(column).Caption;
        f.push_back(cells);
    }
    f.push_back("grand [" + b.lblGrandTotal.Caption + "]");
    for (int panel = 1; panel <= 5; ++panel) {
        f.push_back("panel " + std::to_string(panel) + " [" + b.StatusBar1.Panels[panel].Text +
                    "]");
    }
    std::string tools = "toolbar";
    for (int button = 1; button <= 9; ++button) {
        tools += " " + flag(b.Toolbar2.Buttons[button].Enabled) +
                 std::to_string(b.Toolbar2.Buttons[button].Image);
    }
    f.push_back(tools);
    f.push_back("undo menu " + flag(b.mnuUndoUndo.Enabled) + flag(b.mnuUndoRedo.Enabled));
    std::string sounds = "sounds";
    for (const auto& s : t.host.sounds) {
        sounds += " " + s;
    }
    f.push_back(sounds);
    std::string messages = "messages";
    for (const auto& m : t.host.messages) {
        messages += " [" + m.text + "|" + m.title + "]";
    }
    f.push_back(messages);
    f.push_back(
        "host " + std::to_string(t.host.reseeds) + " " + std::to_string(t.host.finishQuestions) +
        " " + std::to_string(t.host.topScoreDialogs) + " " + std::to_string(t.host.pauses.size()) +
        " " + std::to_string(t.host.quickStartOpened) + " " + std::to_string(t.host.closeRequests));
    return f;
}

} // namespace testing_support
