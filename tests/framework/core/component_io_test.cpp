// Live components to description text and back: round trips, defaults, references, events,
// and how applying properties to an existing component reports errors.
#include <gtest/gtest.h>

#include "framework/core/component_reader.h"
#include "framework/core/component_writer.h"
#include "framework/core/desc_parser.h"
#include "framework/core/error.h"
#include "tests/framework/core/test_components.h"

namespace fw::testing {
namespace {

class ComponentIo : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }

  // A board using every kind of property, with a nested widget.
  static std::unique_ptr<TBoard> MakeBoard() {
    auto board = std::make_unique<TBoard>(nullptr);
    board->SetName("Board1");
    board->SetCaption("It's\r\nhere");
    board->SetCount(-42);
    board->SetRatio(2.5);
    board->SetLetter('x');
    board->SetShade(shDeep);
    board->SetShades((1 << shLight) | (1 << shDeep));
    board->SetFlag(true);
    board->SetHidden(true);
    board->Lines()->SetStrings({"one", "two words", ""});
    TSpotItem* spot = static_cast<TSpotItem*>(board->Spots()->Add());
    spot->SetSize(3);
    board->Spots()->Add();
    board->SetData(std::string(40, '\x7f'));
    board->Pen()->SetWidth(3);
    auto* kid = new TWidget(board.get());
    kid->SetName("Kid");
    kid->SetParentComponent(board.get());
    kid->SetCaption("object inside");
    auto* other = new TWidget(board.get());
    other->SetName("Other");
    other->SetBuddy(kid);
    return board;
  }
};

TEST_F(ComponentIo, LiveObjectsToTextToNewObjectsToTextIsStable) {
  auto board = MakeBoard();
  std::string text = WriteRootText(board.get());
  std::unique_ptr<Component> copy(CreateRoot(desc::Parse(text), nullptr));
  EXPECT_EQ(WriteRootText(copy.get()), text);

  auto* again = static_cast<TBoard*>(copy.get());
  EXPECT_EQ(again->Caption(), "It's\r\nhere");
  EXPECT_EQ(again->Count(), -42);
  EXPECT_DOUBLE_EQ(again->Ratio(), 2.5);
  EXPECT_EQ(again->GetShade(), shDeep);
  EXPECT_EQ(again->Lines()->Lines(), (std::vector<std::string>{"one", "two words", ""}));
  ASSERT_EQ(again->Spots()->Count(), 2u);
  EXPECT_EQ(again->Spots()->At(0)->Size(), 3);
  EXPECT_EQ(again->Data(), std::string(40, '\x7f'));
  auto* kid = static_cast<TWidget*>(again->FindComponent("Kid"));
  ASSERT_NE(kid, nullptr);
  EXPECT_EQ(kid->Parent(), again) << "nested objects get their enclosing component as parent";
  EXPECT_EQ(static_cast<TWidget*>(again->FindComponent("Other"))->Buddy(), kid);
}

TEST_F(ComponentIo, DefaultsAndNotStoredPropertiesAreLeftOut) {
  auto board = MakeBoard();
  std::string text = WriteRootText(board.get());
  EXPECT_EQ(text.find("Hidden"), std::string::npos);
  EXPECT_EQ(text.find("Pen.Label"), std::string::npos) << "empty string equals its default";
  EXPECT_NE(text.find("  Pen.Width = 3\r\n"), std::string::npos);
  EXPECT_NE(text.find("  Caption = 'It'#39's'#13#10'here'\r\n"), std::string::npos);
  EXPECT_NE(text.find("  Shades = [shLight, shDeep]\r\n"), std::string::npos);
  EXPECT_NE(text.find("  Lines.Strings = (\r\n    'one'\r\n    'two words'\r\n    '')\r\n"),
            std::string::npos);

  TWidget plain(nullptr);
  plain.SetName("Plain");
  EXPECT_EQ(WriteRootText(&plain), "object Plain: TWidget\r\nend\r\n");
}

TEST_F(ComponentIo, ReferencesAndEventsAreBoundAfterTheWholeText) {
  // Buddy names a component that only comes later in the text.
  const char* text =
      "object Board1: TBoard\n"
      "  object First: TWidget\n"
      "    Buddy = Second\n"
      "    OnPing = Ping\n"
      "  end\n"
      "  object Second: TWidget\n"
      "    OnPing = pong\n"
      "  end\n"
      "end\n";
  std::unique_ptr<Component> root(CreateRoot(desc::Parse(text), nullptr));
  auto* board = static_cast<TBoard*>(root.get());
  auto* first = static_cast<TWidget*>(board->FindComponent("First"));
  auto* second = static_cast<TWidget*>(board->FindComponent("Second"));
  EXPECT_EQ(first->Buddy(), second);
  first->onPing(first);
  second->onPing(second);
  EXPECT_EQ(board->pinged, (std::vector<std::string>{"First", "pong"}));
  EXPECT_EQ(first->loadedCalls, 1);
  EXPECT_EQ(board->loadedCalls, 1);
  EXPECT_FALSE(first->IsLoading());
  EXPECT_NE(WriteRootText(board).find("    OnPing = Ping\r\n"), std::string::npos);
}

TEST_F(ComponentIo, UnknownNamesAreReported) {
  auto expectError = [](const char* text, const char* message) {
    try {
      std::unique_ptr<Component> root(CreateRoot(desc::Parse(text), nullptr));
      ADD_FAILURE() << "no error for: " << text;
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), message) << text;
    }
  };
  expectError("object B: TBoard\n  Nope = 1\nend\n", "Property does not exist");
  expectError("object B: TBoard\n  Pen.Nope = 1\nend\n", "Property does not exist");
  expectError("object B: TBoard\n  Count = 'x'\nend\n", "Invalid property value");
  expectError("object B: TBoard\n  Count = 99999999999\nend\n", "Invalid property value");
  expectError("object B: TBoard\n  Shade = shPurple\nend\n", "Invalid property value");
  expectError("object B: TBoard\n  Flag = 1\nend\n", "Invalid property value");
  expectError("object B: TBoard\n  Buddy = Nobody\nend\n", "Invalid property value");
  expectError("object B: TBoard\n  OnPing = NoHandler\nend\n", "Invalid property value");
  expectError("object B: TBoard\n  object C: TNoClass\n  end\nend\n", "Class TNoClass not found");
}

// The properties of a one-object text, to apply to a component that exists.
std::vector<desc::Property> Props(const char* body) {
  return desc::Parse(std::string("object X: TWidget\n") + body + "end\n").props;
}

TEST_F(ComponentIo, ApplyingPropertiesAssignsInOrderAndAStrictApplyStopsAtTheFirstError) {
  auto board = MakeBoard();
  auto* kid = static_cast<TWidget*>(board->FindComponent("Kid"));
  ApplyProperties(kid, Props("  Count = 7\n  Flag = True\n  Flag = False\n  Buddy = Other\n"), board.get());
  EXPECT_EQ(kid->Count(), 7);
  EXPECT_FALSE(kid->Flag());
  EXPECT_EQ(kid->flagWrites, 2) << "each line is one assignment, in order";
  EXPECT_EQ(kid->Caption(), "object inside") << "what is not named stays";
  EXPECT_EQ(kid->Buddy(), board->FindComponent("Other"))
      << "references resolve among the window's components";
  EXPECT_EQ(kid->loadedCalls, 0) << "applying properties is no load";

  EXPECT_THROW(ApplyProperties(kid, Props("  Count = 8\n  Bogus = 1\n  Count = 9\n"), board.get()), Error);
  EXPECT_EQ(kid->Count(), 8);
}

TEST_F(ComponentIo, WithASkipHandlerEveryPropertyThatCanBeAssignedIs) {
  auto board = MakeBoard();
  std::vector<std::string> skipped;
  const SkipHandler skip = [&](const desc::Property& p, const Error& e) {
    skipped.push_back(p.name + ":" + std::to_string(p.line) + ":" + e.what());
  };
  // The window's own properties name its components, and the items of a collection count one
  // by one.
  ApplyProperties(board.get(),
                  Props("  Count = 'x'\n  Buddy = Kid\n  Nope = 1\n  Flag = False\n  OnPing = Pong\n"
                        "  OnPing = Nothing\n  Spots = <\n    item\n      Size = 5\n      Size = 'big'\n"
                        "    end\n    item\n      Inner = <\n        item\n          Width = 4\n"
                        "          Height = 1\n        end>\n    end>\n  Shade = Nobody\n"),
                  board.get(), skip);
  // Names are bound once everything is read, so their faults come last.
  EXPECT_EQ(skipped,
            (std::vector<std::string>{"Count:2:Invalid property value", "Nope:4:Property does not exist",
                                      "Size:11:Invalid property value", "Height:17:Property does not exist",
                                      "Shade:20:Invalid property value", "OnPing:7:Invalid property value"}));
  EXPECT_EQ(board->Count(), -42);
  EXPECT_EQ(board->Buddy(), board->FindComponent("Kid"));
  EXPECT_FALSE(board->Flag());
  EXPECT_EQ(board->onPing.name, "Pong");
  ASSERT_EQ(board->Spots()->Count(), 2u);
  EXPECT_EQ(board->Spots()->At(0)->Size(), 5);
  EXPECT_EQ(board->Spots()->At(1)->Inner()->Count(), 1u);

  skipped.clear();
  ApplyProperties(board.get(), Props("  Buddy = Nobody\n  Count = 3\n"), board.get(), skip);
  EXPECT_EQ(skipped, (std::vector<std::string>{"Buddy:2:Invalid property value"}));
  EXPECT_EQ(board->Buddy(), board->FindComponent("Kid")) << "a name that resolves to nothing changes nothing";
  EXPECT_EQ(board->Count(), 3);
}

TEST_F(ComponentIo, AnEmptyCollectionValueEmptiesTheCollection) {
  auto board = MakeBoard();
  ApplyProperties(board.get(), Props("  Spots = <>\n"), board.get());
  EXPECT_EQ(board->Spots()->Count(), 0u);
  ApplyProperties(board.get(),
                  Props("  Spots = <\n    item\n      Size = 9\n"
                        "      Inner = <\n        item\n          Width = 4\n        end>\n"
                        "    end>\n"),
                  board.get());
  ASSERT_EQ(board->Spots()->Count(), 1u);
  EXPECT_EQ(board->Spots()->At(0)->Size(), 9);
  EXPECT_NE(WriteRootText(board.get())
                .find("      Inner = <\r\n        item\r\n          Width = 4\r\n        end>\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace fw::testing
