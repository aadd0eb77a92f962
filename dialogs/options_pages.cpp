#include "dialogs/options_pages.h"

#include "chart/live_settings.h"
#include "chart/object_info.h"
#include "foundation/localized_strings.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/resources.h"
#include "shell/platform/static_control.h"
#include "shell/platform/track_bar.h"
#include "shell/text_format.h"

namespace orrery {

namespace {

using platform::ComboBox;
using platform::ControlKind;
using platform::Message;
using platform::MsgType;
using platform::Static;
using platform::TrackBar;

constexpr int MaxOrbPosition = 30;
constexpr int RulershipNames[] = {57, 58};  // "Modern Ruler", "Old Ruler"

// A row of the page: a label, a combo box and its symbol.
void AddComboRow(platform::DialogTemplate& t, int y, const char16_t* label, int comboId, int symbolId) {
  t.controls.push_back({ControlKind::Text, -1, label, {8, y + 4, 62, y + 16}});
  t.controls.push_back({ControlKind::ComboBox, comboId, u"", {64, y, 196, y + 20}});
  if (symbolId) t.controls.push_back({ControlKind::Bitmap, symbolId, u"", {206, y - 1, 223, y + 20}});
}

void AddValueRow(platform::DialogTemplate& t, int y, const char16_t* label, int textId) {
  t.controls.push_back({ControlKind::Text, -1, label, {8, y, 62, y + 12}});
  t.controls.push_back({ControlKind::Text, textId, u"", {64, y, 140, y + 12}});
}

void RegisterOptionsTemplates() {
  static const bool registered = [] {
    platform::DialogTemplate aov;
    aov.title = u"Options";
    AddComboRow(aov, 12, u"Aspect:", AovAspectComboId, AovAspectSymbolId);
    AddComboRow(aov, 44, u"Object:", AovObjectComboId, AovObjectSymbolId);
    AddValueRow(aov, 80, u"Angle:", AovAngleTextId);
    AddValueRow(aov, 98, u"Orb:", AovOrbTextId);
    aov.controls.push_back({ControlKind::TrackBar, AovOrbTrackId, u"", {8, 120, 232, 152}});
    platform::AddDialog(AovTemplate, std::move(aov));

    platform::DialogTemplate tfv;
    tfv.title = u"Options";
    AddComboRow(tfv, 12, u"Object:", TfvObjectComboId, TfvObjectSymbolId);
    AddValueRow(tfv, 48, u"Points:", TfvPointsTextId);
    tfv.controls.push_back({ControlKind::TrackBar, TfvPointsTrackId, u"", {8, 70, 232, 102}});
    AddComboRow(tfv, 124, u"Rulership:", TfvRulershipComboId, 0);
    platform::AddDialog(TfvTemplate, std::move(tfv));
    return true;
  }();
  (void)registered;
}

// What both pages share: typed access to their controls.
class OptionsPage : public platform::Dialog {
 protected:
  OptionsPage(int templateId, OptionsWork& work) : Dialog(templateId), work_(work) {}

  template <class W>
  W& Control(int id) {
    return static_cast<W&>(*Child(id));
  }
  void FillObjects(int comboId) {
    ComboBox& combo = Control<ComboBox>(comboId);
    for (int body : OptionsObjects) combo.AddItem(LocalizedString(objectInfo[body].nameStringId), body);
    combo.SetSelection(0);
  }
  // The item data of the combo box's choice: an AspectId or a BodyId.
  int Chosen(int comboId) {
    const ComboBox& combo = Control<ComboBox>(comboId);
    return int(combo.ItemData(combo.Selection()));
  }
  void ShowSymbol(int symbolId, int bitmapId) {
    const platform::Image* image = platform::FindBitmap(bitmapId);
    Control<Static>(symbolId).SetImage(image ? *image : platform::Image());
  }

  OptionsWork& work_;
};

class AovPage : public OptionsPage {
 public:
  explicit AovPage(OptionsWork& work) : OptionsPage(AovTemplate, work) {}

  int OnMessage(const Message& m) override {
    switch (m.type) {
      case MsgType::InitDialog: {
        for (int aspect = 1; aspect < AspectRowCount; ++aspect) {
          for (int body : OptionsObjects) work_.orbs[aspect][body] = currentOrbs[aspect][body];
        }
        ComboBox& aspects = Control<ComboBox>(AovAspectComboId);
        for (int aspect = 1; aspect < AspectRowCount; ++aspect) {
          aspects.AddItem(LocalizedString(aspectInfo[aspect].nameStringId), aspect);
        }
        aspects.SetSelection(0);
        FillObjects(AovObjectComboId);
        TrackBar& track = Control<TrackBar>(AovOrbTrackId);
        track.SetRange(0, MaxOrbPosition);
        track.SetLineSize(1);
        track.SetPageSize(1);
        ShowPair();
        return 0;
      }
      case MsgType::Command:
        if (m.code == platform::kComboSelChanged &&
            (m.id == AovAspectComboId || m.id == AovObjectComboId)) {
          ShowPair();
          return 1;
        }
        return OptionsPage::OnMessage(m);
      case MsgType::Notify:
        if (m.id == AovOrbTrackId && m.code == platform::kTrackPosition) {
          TakeOrb(m.value);
          return 0;
        }
        return OptionsPage::OnMessage(m);
      default:
        return OptionsPage::OnMessage(m);
    }
  }

 private:
  // The chosen aspect and object: symbols, angle, the working orb on the
  // track bar with a tick at the default orb.
  void ShowPair() {
    const int aspect = Chosen(AovAspectComboId), body = Chosen(AovObjectComboId);
    ShowSymbol(AovAspectSymbolId, glyphs::kAspectGlyphs[aspect].symbol.id);
    ShowSymbol(AovObjectSymbolId, glyphs::kBodyGlyphs[body].symbol.id);
    Control<Static>(AovAngleTextId).SetText(AspectAngleText(aspectInfo[aspect].angle));
    TrackBar& track = Control<TrackBar>(AovOrbTrackId);
    track.SetPosition(work_.orbs[aspect][body]);
    track.ClearTicks();
    track.SetTick(aspectInfo[aspect].defaultOrbs[body]);
    TakeOrb(track.Position());
  }

  void TakeOrb(int position) {
    work_.orbs[Chosen(AovAspectComboId)][Chosen(AovObjectComboId)] = std::int8_t(position);
    Control<Static>(AovOrbTextId).SetText(OrbText(position));
    work_.aovVisited = true;
  }
};

class TfvPage : public OptionsPage {
 public:
  explicit TfvPage(OptionsWork& work) : OptionsPage(TfvTemplate, work) {}

  int OnMessage(const Message& m) override {
    switch (m.type) {
      case MsgType::InitDialog: {
        for (int body = 0; body < BodyCount; ++body) work_.points[body] = currentPoints[body];
        FillObjects(TfvObjectComboId);
        TrackBar& track = Control<TrackBar>(TfvPointsTrackId);
        track.SetRange(0, MaxPoints);
        track.SetLineSize(1);
        track.SetPageSize(1);
        for (int tick = 1; tick < MaxPoints; ++tick) track.SetTick(tick);
        ComboBox& rulership = Control<ComboBox>(TfvRulershipComboId);
        for (int name : RulershipNames) rulership.AddItem(LocalizedString(name));
        // Systems 2 and 3 (from stored settings) have no entry: none is shown.
        rulership.SetSelection(rulershipIndex < rulership.Count() ? rulershipIndex : -1);
        ShowObject();
        return 0;
      }
      case MsgType::Command:
        if (m.code != platform::kComboSelChanged) return OptionsPage::OnMessage(m);
        if (m.id == TfvObjectComboId) ShowObject();
        if (m.id == TfvRulershipComboId) {
          rulershipIndex = std::int8_t(Control<ComboBox>(TfvRulershipComboId).Selection());
        }
        return 1;
      case MsgType::Notify:
        if (m.id == TfvPointsTrackId && m.code == platform::kTrackPosition) {
          TakePoints(m.value);
          return 0;
        }
        return OptionsPage::OnMessage(m);
      default:
        return OptionsPage::OnMessage(m);
    }
  }

 private:
  void ShowObject() {
    const int body = Chosen(TfvObjectComboId);
    ShowSymbol(TfvObjectSymbolId, glyphs::kBodyGlyphs[body].symbol.id);
    Control<TrackBar>(TfvPointsTrackId).SetPosition(work_.points[body]);
    ShowPoints(work_.points[body]);
  }

  void TakePoints(int points) {
    work_.points[Chosen(TfvObjectComboId)] = std::int8_t(points);
    ShowPoints(points);
  }

  void ShowPoints(int points) {
    Control<Static>(TfvPointsTextId).SetText(FormatText("%d", points));
    work_.tfvVisited = true;
  }
};

}  // namespace

std::unique_ptr<platform::Dialog> MakeAovPage(OptionsWork& work) {
  RegisterOptionsTemplates();
  return std::make_unique<AovPage>(work);
}

std::unique_ptr<platform::Dialog> MakeTfvPage(OptionsWork& work) {
  RegisterOptionsTemplates();
  return std::make_unique<TfvPage>(work);
}

std::u16string AspectAngleText(int degrees) { return FormatText("%3d° ±", degrees); }

std::u16string OrbText(int position) {
  return FormatText("%2d.%c°", position / 2, position % 2 ? '5' : '0');
}

}  // namespace orrery
