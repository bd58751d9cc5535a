#include "settings/ViewSettingsFileKeys.h"

namespace vellum {

namespace {

using Kind = ViewFileValueKind;
using Section = ViewFileSection;

class KeyList {
public:
    explicit KeyList(std::vector<ViewFileKey>& keys) : keys_(keys) {}

    void section(Section s, SaveItem item) {
        section_ = s;
        item_ = item;
    }
    void item(SaveItem item) { item_ = item; }

    void integer(std::string_view key, int& field) { add(key, Kind::Int).ints = &field; }
    void real(std::string_view key, double& field) { add(key, Kind::Real).reals = &field; }
    void colour(std::string_view key, RGBColor& field) { add(key, Kind::Colour).colour = &field; }
    template <size_t N>
    void integers(std::string_view key, std::array<int, N>& field) {
        ViewFileKey& k = add(key, Kind::Ints);
        k.ints = field.data();
        k.count = N;
    }
    void gridOn(std::string_view key, std::array<int, 6>& field) {
        ViewFileKey& k = add(key, Kind::GridOn);
        k.ints = field.data();
        k.count = 6;
    }
    template <size_t N>
    void reals(std::string_view key, std::array<double, N>& field) {
        ViewFileKey& k = add(key, Kind::Reals);
        k.reals = field.data();
        k.count = N;
    }
    void range(std::string_view key, std::array<double, 2>& field) {
        ViewFileKey& k = add(key, Kind::Range);
        k.reals = field.data();
        k.count = 2;
    }
    void restText(std::string_view key, std::string& field) { add(key, Kind::RestText).texts = &field; }
    void names(std::string_view key, std::array<std::string, 3>& field) {
        ViewFileKey& k = add(key, Kind::Names);
        k.texts = field.data();
        k.count = 3;
    }
    void labelPos(std::string_view key, std::array<double, 3>& position, int& angle) {
        ViewFileKey& k = add(key, Kind::LabelPos);
        k.reals = position.data();
        k.ints = &angle;
        k.count = 4;
    }
    void window(std::string_view key, WindowEdges& field) {
        ViewFileKey& k = add(key, Kind::Window);
        k.window = &field;
        k.count = 5;
    }
    ViewFileKey& last() { return keys_.back(); }

private:
    ViewFileKey& add(std::string_view key, Kind kind) {
        keys_.push_back(ViewFileKey{section_, key, kind, item_});
        return keys_.back();
    }

    std::vector<ViewFileKey>& keys_;
    Section section_ = Section::VERSION;
    SaveItem item_ = SaveItem::graph0;
};

// The option set's lines, in the order both [GRAPH] and [GRAPH2] write them.
void addOptionSet(KeyList& list, GraphOptionSet& o, SaveItem wire, SaveItem point, SaveItem cont, SaveItem vec) {
    list.item(wire);
    list.integer("WIREMODE", o.WIREMODE);
    list.colour("WIRECOLOR", o.WIRECOLOR);
    list.real("WIREWID", o.WIREWID);
    list.integer("WIRESTYLE", o.WIRESTYLE);
    list.item(point);
    list.real("POINTSIZE", o.POINTSIZE);
    list.integer("POINTSIZEDATA", o.POINTSIZEDATA);
    list.integer("POINTBALL", o.POINTBALL);
    list.integer("POINTMODE", o.POINTMODE);
    list.colour("POINTCOLOR", o.POINTCOLOR);
    list.item(cont);
    list.integer("CONT", o.CONT);
    list.integer("CONTNUM", o.CONTNUM);
    list.real("CONTWID", o.CONTWID);
    list.integer("CONTSTYLE", o.CONTSTYLE);
    list.integer("CONTMODE", o.CONTMODE);
    list.colour("CONTCOLOR", o.CONTCOLOR);
    list.item(vec);
    list.real("VECLEN", o.VECLEN);
    list.real("VECWID", o.VECWID);
    list.real("VECSIZE", o.VECSIZE);
    list.integer("VEC0", o.VEC0);
    list.integer("VEC_COM_LEN", o.VEC_COM_LEN);
    list.integer("VECMODE", o.VECMODE);
    list.colour("VECCOLOR", o.VECCOLOR);
}

} // namespace

std::vector<ViewFileKey> viewFileKeys(ViewSettings& s, int& version) {
    std::vector<ViewFileKey> keys;
    keys.reserve(128);
    KeyList list(keys);

    list.section(Section::VERSION, SaveItem::graph0);
    list.integer("VERSION", version);
    list.last().always = true;

    list.section(Section::GRAPH, SaveItem::graph1);
    list.integer("MODE", s.MODE);
    list.integer("MODE2", s.MODE2);
    list.integer("HIDE", s.HIDE);
    list.integer("HIDE2", s.HIDE2);
    list.item(SaveItem::graph8);
    list.integer("SUISEN1", s.SUISEN1);
    list.integer("SUISEN2", s.SUISEN2);
    list.colour("SUISENCOLOR", s.SUISENCOLOR);
    list.real("SUISENWIDTH", s.SUISENWIDTH);
    list.integer("SUISENSTYLE", s.SUISENSTYLE);
    list.item(SaveItem::graph2);
    list.integer("DIM", s.DIM);
    addOptionSet(list, s.graph, SaveItem::graph3, SaveItem::graph5, SaveItem::graph4, SaveItem::graph6);

    list.section(Section::GRAPH2, SaveItem::graph10);
    addOptionSet(list, s.projection, SaveItem::graph10, SaveItem::graph12, SaveItem::graph11, SaveItem::graph13);

    list.section(Section::GRAPHPOSITION, SaveItem::graphpos2);
    list.reals("POSITION", s.POSITION);
    list.item(SaveItem::graphpos1);
    list.integers("DIGREE", s.DIGREE);
    list.item(SaveItem::graphpos3);
    list.integer("RECTSCALE", s.RECTSCALE);
    list.real("SCALE123", s.SCALE123);
    list.reals("SCALE", s.SCALE);
    list.item(SaveItem::graphpos4);
    list.window("WINDOW", s.WINDOW);
    list.item(SaveItem::graphpos6);
    list.colour("BACKCOLOR", s.BACKCOLOR);

    list.section(Section::COLOR, SaveItem::graphcolor1);
    list.integer("MODE", s.colorMode);
    list.integer("MODE2", s.colorMode2);
    list.item(SaveItem::graphcolor2);
    list.colour("ORIGN1", s.userColours.ORIGN1);
    list.colour("ORIGN2", s.userColours.ORIGN2);
    list.colour("ORIGN3", s.userColours.ORIGN3);

    list.section(Section::GRID, SaveItem::graphgrid1);
    list.integer("FREESPACE", s.FREESPACE);
    list.integer("GRIDDEV", s.GRIDDEV);
    list.gridOn("ON", s.gridOn);
    list.integer("STYLE", s.gridStyle);
    list.integer("STYLE2", s.STYLE2);
    list.real("DWID", s.DWID);
    list.real("DWID2", s.DWID2);
    list.colour("COLOR", s.gridColor);
    list.colour("COLOR2", s.COLOR2);
    list.integers("NUM", s.gridNum);
    list.integer("DIVISIONLINESTYLE", s.DIVISIONLINESTYLE);
    list.reals("DIVISIONLINEVALUE", s.DIVISIONLINEVALUE);
    list.range("DIVISIONLINEVALUE1", s.divisionRange[0]);
    list.range("DIVISIONLINEVALUE2", s.divisionRange[1]);
    list.range("DIVISIONLINEVALUE3", s.divisionRange[2]);
    list.item(SaveItem::graphgrid2);
    list.integers("VAL", s.gridVal);
    list.reals("POS1", s.gridValuePos[0]);
    list.reals("POS2", s.gridValuePos[1]);
    list.reals("POS3", s.gridValuePos[2]);
    list.integers("VALSTYLE", s.VALSTYLE);
    list.integers("VALSHO", s.VALSHO);
    list.colour("STRINGCOLOR", s.gridStringColor);
    list.item(SaveItem::graphgrid3);
    list.range("GRIDSIZE1", s.gridSize[0]);
    list.range("GRIDSIZE2", s.gridSize[1]);
    list.range("GRIDSIZE3", s.gridSize[2]);

    list.section(Section::HANREI, SaveItem::graphhanrei1);
    list.integers("ON", s.legendOn);
    list.reals("SCALE", s.legendScale);
    list.integer("STYLE", s.legendStyle);
    list.integer("SHO", s.SHO);
    list.integer("NUM", s.legendNum);
    list.colour("STRINGCOLOR", s.legendStringColor);
    list.item(SaveItem::graphhanrei2);
    list.reals("POS", s.legendPos);
    list.item(SaveItem::graphhanrei3);
    list.real("MAX", s.MAX);
    list.real("MIN", s.MIN);

    list.section(Section::ZAHYO, SaveItem::graphzahyo1);
    list.integer("ON", s.axesOn);
    list.integer("STYLE", s.axesStyle);
    list.real("WID", s.WID);
    list.colour("COLOR", s.axesColor);
    list.item(SaveItem::graphzahyo3);
    list.real("SCALE", s.axesScale);
    list.item(SaveItem::graphzahyo2);
    list.reals("POS", s.axesPos);
    list.item(SaveItem::graphzahyo4);
    list.names("VAL", s.axesVal);

    list.section(Section::LABEL, SaveItem::graphlabel1);
    list.restText("TITLE", s.TITLE);
    list.colour("STRINGCOLOR0", s.STRINGCOLOR0);
    list.item(SaveItem::graphlabel2);
    list.reals("TITLEPOS", s.TITLEPOS);
    static constexpr std::array<std::array<std::string_view, 3>, 3> kLabelKeys{{
        {"LABEL1", "STRINGCOLOR1", "LABEL1POS"},
        {"LABEL2", "STRINGCOLOR2", "LABEL2POS"},
        {"LABEL3", "STRINGCOLOR3", "LABEL3POS"},
    }};
    static constexpr std::array<std::array<SaveItem, 2>, 3> kLabelItems{{
        {SaveItem::graphlabel3, SaveItem::graphlabel4},
        {SaveItem::graphlabel5, SaveItem::graphlabel6},
        {SaveItem::graphlabel7, SaveItem::graphlabel8},
    }};
    for (size_t axis = 0; axis < 3; ++axis) {
        list.item(kLabelItems[axis][0]);
        list.restText(kLabelKeys[axis][0], s.LABEL[axis]);
        list.colour(kLabelKeys[axis][1], s.labelColor[axis]);
        list.item(kLabelItems[axis][1]);
        list.labelPos(kLabelKeys[axis][2], s.labelPos[axis], s.labelAngle[axis]);
    }

    list.section(Section::PROBE, SaveItem::graphlabel1);
    list.integer("EXTREMES", s.showExtremes);
    list.last().always = true;

    list.section(Section::SERIES, SaveItem::graphlabel1);
    list.integer("FIXEDRANGE", s.seriesFixedRange);
    list.last().always = true;
    return keys;
}

bool viewFileSectionInUse(ViewFileSection section, const ViewSettings& settings) {
    if (section == ViewFileSection::PROBE) return settings.showExtremes != 0;
    if (section == ViewFileSection::SERIES) return settings.seriesFixedRange != 0;
    return true;
}

} // namespace vellum
