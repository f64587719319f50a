#include "tests/store/store_fixture.h"

#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"

namespace gv::store_test {

const char kWindowText[] = R"(object frmTest: TTestWindow
  Caption = 'Test'
  object Edit1: TTestEdit
    Text = 'hello'
  end
  object Edit2: TTestEdit
  end
  object Panel1: TTestPanel
    object CheckBox1: TTestCheckBox
      Width = 80
    end
    object CheckBox2: TTestCheckBox
      State = cbChecked
    end
    object RadioButton1: TTestRadioButton
      Checked = True
    end
    object RadioButton2: TTestRadioButton
    end
  end
  object ListBox1: TTestListBox
    Items.Strings = (
      'a'
      'b')
  end
  object Grid1: TTestGrid
    Columns = <
      item
        Caption = 'Name'
      end
      item
        Caption = 'Size'
        Width = 40
      end>
  end
  object AutoPS: TAutoPropertiesStore
    Active = True
    IniFileName = 'test.ini'
    IniSection = 'settings'
    Items = <
      item
        Component = RadioButton2
        StoredProp.Strings = (
          'Checked')
      end
      item
        Component = CheckBox1
        StoredProp.Strings = (
          'Checked'
          'checked'
          'Width')
      end
      item
        Component = CheckBox2
        StoredProp.Strings = (
          'Checked')
      end
      item
        Component = RadioButton1
        StoredProp.Strings = (
          'Checked')
      end
      item
        Component = Edit1
        StoredProp.Strings = (
          'Text')
      end
      item
        Component = Edit2
        StoredProp.Strings = (
          'Text'
          'Enabled')
      end
      item
        Component = ListBox1
        StoredProp.Strings = (
          'Items')
      end
      item
        Component = Grid1
        StoredProp.Strings = (
          'Columns'
          'Data')
      end
      item
        IsForm = True
        StoredProp.Strings = (
          'Caption')
      end>
  end
end
)";

std::unique_ptr<TTestWindow> StoreTest::Load(const std::string& text) {
  auto window = std::make_unique<TTestWindow>(nullptr);
  auto* store = new TAutoPropertiesStore(window.get());
  store->SetName("AutoPS");
  store->SetPlatform(MakeTestPlatform(storage_));
  fw::ReadRoot(window.get(), fw::desc::Parse(text));
  return window;
}

}  // namespace gv::store_test
