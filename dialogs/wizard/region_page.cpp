// The "Region" page: the atlas as a tree of regions, their countries and
// the countries' provinces, each level built on its first expansion.
// Leaving the page applies the chosen entry to the record.
#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_entry.h"
#include "dialogs/wizard/wizard_ids.h"
#include "dialogs/wizard/wizard_pages.h"
#include "shell/platform/tree_view.h"
#include "shell/text_format.h"

namespace orrery::wizard {

namespace {

using platform::TreeView;

class RegionPage : public WizardPage {
 public:
  explicit RegionPage(WizardSession& session) : WizardPage(session, RegionPageTemplate) {}

 protected:
  void OnInit() override {
    TreeView& tree = Tree();
    for (int region = 0; region <= AtlasRegions; ++region) {
      const AtlasRef ref = RegionRef(region);
      tree.AddItem(platform::kTreeRoot, FieldText(atlasCursor.regionName), ref, true);
    }
    tree.SetSelection(tree.ChildrenOf(platform::kTreeRoot).front());
  }

  bool OnLeave() override {
    const TreeView& tree = Tree();
    if (tree.Selection() > 0) ApplyAtlasEntry(static_cast<AtlasRef>(tree.ItemData(tree.Selection())));
    return true;
  }

  void OnControl(const platform::Message& m) override {
    if (m.type == platform::MsgType::Notify && m.code == platform::kTreeExpanding) AddChildren(m.value);
  }

 private:
  TreeView& Tree() const { return Control<TreeView>(IdRegionTree); }

  void AddChildren(int item) {
    TreeView& tree = Tree();
    const AtlasRef ref = static_cast<AtlasRef>(tree.ItemData(item));
    if (RefLevel(ref) == RegionLevel) {
      StartCountries(ref);
      for (AtlasRef country = NextCountry(); country != 0; country = NextCountry()) {
        const std::u16string name = FieldText(atlasCursor.countryName);
        tree.AddItem(item, name, country, ProvinceCount(country) > 0);
      }
    } else if (RefLevel(ref) == CountryLevel) {
      const int count = ProvinceCount(ref);
      for (int k = 1; k <= count; ++k) {
        const AtlasRef province = ProvinceRef(ref, k);
        tree.AddItem(item, FieldText(atlasCursor.provinceName), province);
      }
    }
  }
};

}  // namespace

std::unique_ptr<platform::Dialog> MakeRegionPage(WizardSession& session) {
  return std::make_unique<RegionPage>(session);
}

}  // namespace orrery::wizard
