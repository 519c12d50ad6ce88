#include "ControlList.h"

namespace game {

namespace {

std::string Indexed(const char* name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

} // namespace

std::vector<NamedControl> ListControls(Board& b) {
    std::vector<NamedControl> list;
    auto add = [&](const char* name, ControlKind kind, Control& c, int column = colNone) {
        list.push_back({name, kind, &c, column, -1});
    };
    auto addArray = [&](const char* name, ControlKind kind, auto& array, int column = colNone) {
        for (int i = 0; i < static_cast<int>(array.size()); ++i) {
            list.push_back({Indexed(name, i), kind, &array[i], column, i});
        }
    };

    add("Picture2", ControlKind::SheetPicture, b.Picture2);
    add("Shape10", ControlKind::Shape, b.Shape10);
    add("Shape11", ControlKind::Shape, b.Shape11);
    add("Shape9", ControlKind::Shape, b.Shape9);
    add("Shape1", ControlKind::Shape, b.Shape1);
    add("Shape6", ControlKind::Shape, b.Shape6);
    add("Shape7", ControlKind::Shape, b.Shape7);
    add("Shape8", ControlKind::Shape, b.Shape8);
    add("Shape3", ControlKind::Shape, b.Shape3);
    add("Shape4", ControlKind::Shape, b.Shape4);
    add("Shape5", ControlKind::Shape, b.Shape5);
    addArray("shpOptions", ControlKind::Shape, b.shpOptions);
    addArray("Shape12", ControlKind::Shape, b.Shape12);
    add("shpSubTotalTitle", ControlKind::Shape, b.shpSubTotalTitle);
    add("shpMiddleTitle", ControlKind::Shape, b.shpMiddleTitle);
    add("shpLabel13", ControlKind::Shape, b.shpLabel13);
    add("shpLabel2", ControlKind::Shape, b.shpLabel2);
    add("imgArrow", ControlKind::Image, b.imgArrow);
    add("imgArrow2", ControlKind::Image, b.imgArrow2);

    addArray("lblOption", ControlKind::RowName, b.lblOption);
    addArray("lblTip", ControlKind::Tip, b.lblTip);
    add("lblSubTotalTitle", ControlKind::Title, b.lblSubTotalTitle);
    add("lblMiddleTitle", ControlKind::Title, b.lblMiddleTitle);
    add("Label13", ControlKind::Title, b.Label13);
    add("Label2", ControlKind::Title, b.Label2);

    addArray("lblDown", ControlKind::Cell, b.lblDown, colDown);
    addArray("lblUp", ControlKind::Cell, b.lblUp, colUp);
    addArray("lblRand", ControlKind::Cell, b.lblRand, colRand);
    addArray("lblOblg", ControlKind::Cell, b.lblOblg, colOblg);
    add("lblDownTot1", ControlKind::Total, b.lblDownTot1, colDown);
    add("lblUpTot1", ControlKind::Total, b.lblUpTot1, colUp);
    add("lblRandTot1", ControlKind::Total, b.lblRandTot1, colRand);
    add("lblOblgTot1", ControlKind::Total, b.lblOblgTot1, colOblg);
    add("lblDownTot2", ControlKind::Total, b.lblDownTot2, colDown);
    add("lblUpTot2", ControlKind::Total, b.lblUpTot2, colUp);
    add("lblRandTot2", ControlKind::Total, b.lblRandTot2, colRand);
    add("lblOblgTot2", ControlKind::Total, b.lblOblgTot2, colOblg);
    add("lblDownTot", ControlKind::Total, b.lblDownTot, colDown);
    add("lblUpTot", ControlKind::Total, b.lblUpTot, colUp);
    add("lblRandTot", ControlKind::Total, b.lblRandTot, colRand);
    add("lblOblgTot", ControlKind::Total, b.lblOblgTot, colOblg);
    add("lblGrandTotal", ControlKind::GrandTotal, b.lblGrandTotal);

    addArray("cmdDown", ControlKind::CellButton, b.cmdDown, colDown);
    addArray("cmdUp", ControlKind::CellButton, b.cmdUp, colUp);
    addArray("cmdRand", ControlKind::CellButton, b.cmdRand, colRand);
    addArray("cmdOblg", ControlKind::CellButton, b.cmdOblg, colOblg);

    addArray("picDice", ControlKind::Die, b.picDice);
    addArray("PicDiceOff", ControlKind::HeldDie, b.PicDiceOff);
    add("picRollDices", ControlKind::RollPicture, b.picRollDices);
    addArray("picRoundBG", ControlKind::Lamp, b.picRoundBG);
    addArray("picRound", ControlKind::Lamp, b.picRound);
    add("cmdNextPlayer", ControlKind::PushButton, b.cmdNextPlayer);
    add("cmdShowNextBoard", ControlKind::PushButton, b.cmdShowNextBoard);

    addArray("picHide", ControlKind::Holder, b.picHide);
    addArray("picHideOff", ControlKind::Holder, b.picHideOff);
    add("picRollDice", ControlKind::Holder, b.picRollDice);
    add("picRollOn", ControlKind::Holder, b.picRollOn);
    add("picRollOff", ControlKind::Holder, b.picRollOff);
    addArray("img1Column", ControlKind::Holder, b.img1Column);
    addArray("img1ColumnP", ControlKind::Holder, b.img1ColumnP);
    add("imgBut3", ControlKind::Holder, b.imgBut3);
    add("Image1", ControlKind::Holder, b.Image1);
    add("lblTimeElapsed", ControlKind::Holder, b.lblTimeElapsed);
    return list;
}

std::vector<NamedLine> ListLines(Board& b) {
    return {{"Line1", &b.Line1},   {"Line3", &b.Line3},  {"Line4", &b.Line4}, {"Line5", &b.Line5},
            {"Line6", &b.Line6},   {"Line7", &b.Line7},  {"Line8", &b.Line8}, {"Line9", &b.Line9},
            {"Line10", &b.Line10}, {"Line12", &b.Line12}};
}

} // namespace game
