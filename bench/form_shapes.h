// Generated text forms of the shapes whose cost the form-file benchmarks follow: one panel
// holding many labelled controls (wide), panels nested hundreds of levels deep, components
// that refer to each other many times over, and a form of many panels of a given size.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// A form header as the IDE writes one, without the final "end".
inline std::string FormHeader(const std::string& name) {
  return "object " + name + ": T" + name +
         "\r\n  Left = 192\r\n  Top = 107\r\n  Width = 1024\r\n  Height = 768\r\n"
         "  Caption = 'Generated form'\r\n  Color = clBtnFace\r\n  Font.Charset = DEFAULT_CHARSET\r\n"
         "  Font.Color = clWindowText\r\n  Font.Height = -11\r\n  Font.Name = 'MS Sans Serif'\r\n"
         "  Font.Style = []\r\n  OldCreateOrder = False\r\n  PixelsPerInch = 96\r\n  TextHeight = 13\r\n";
}

// One panel ("Panel1") holding `controls` controls: labelled edits (a label, then its edit),
// every tenth control a check box that carries its own caption, tab orders in creation order
// or, `reversed`, opposite to it (the last control made first in the tab order).
inline std::string OnePanelForm(int controls, bool reversed = false) {
  std::string out = FormHeader("PanelForm");
  out += "  object Panel1: TPanel\r\n    Left = 0\r\n    Top = 0\r\n    Width = 800\r\n    Height = 600\r\n"
         "    TabOrder = 0\r\n";
  int windowed = 0;  // the edits and check boxes, each taking one tab order
  for (int made = 0, i = 1; made < controls; ++i, ++windowed) made += i % 10 == 0 ? 1 : 2;
  int tabOrder = 0;
  for (int made = 0, i = 1; made < controls; ++i) {
    int order = tabOrder++;
    std::string n = std::to_string(i), top = std::to_string(8 + 24 * (i % 20));
    std::string tab = std::to_string(reversed ? windowed - 1 - order : order);
    if (i % 10 == 0) {
      out += "    object CheckBox" + n + ": TCheckBox\r\n      Left = 8\r\n      Top = " + top +
             "\r\n      Width = 97\r\n      Height = 17\r\n      Caption = 'Option " + n +
             "'\r\n      TabOrder = " + tab + "\r\n    end\r\n";
      ++made;
      continue;
    }
    out += "    object Label" + n + ": TLabel\r\n      Left = 8\r\n      Top = " + top +
           "\r\n      Width = 60\r\n      Height = 13\r\n      Caption = 'Field " + n + ":'\r\n      FocusControl = Edit" +
           n + "\r\n    end\r\n";
    out += "    object Edit" + n + ": TEdit\r\n      Left = 80\r\n      Top = " + top +
           "\r\n      Width = 121\r\n      Height = 21\r\n      TabOrder = " + tab + "\r\n      Text = 'Value " + n +
           "'\r\n    end\r\n";
    made += 2;
  }
  out += "  end\r\nend\r\n";
  return out;
}

// `depth` panels, each inside the one before, each holding a labelled edit beside the next.
inline std::string DeepForm(int depth) {
  std::string out = FormHeader("DeepForm");
  std::string indent = "  ";
  for (int level = 1; level <= depth; ++level) {
    std::string n = std::to_string(level), in = indent + "  ";
    out += indent + "object Panel" + n + ": TPanel\r\n" + in + "Left = 1\r\n" + in + "Top = 1\r\n" + in +
           "Width = 600\r\n" + in + "Height = 400\r\n" + in + "TabOrder = 1\r\n";
    out += in + "object Label" + n + ": TLabel\r\n" + in + "  Left = 4\r\n" + in + "  Top = 4\r\n" + in +
           "  Width = 40\r\n" + in + "  Height = 13\r\n" + in + "  Caption = 'Level " + n + "'\r\n" + in +
           "  FocusControl = Edit" + n + "\r\n" + in + "end\r\n";
    out += in + "object Edit" + n + ": TEdit\r\n" + in + "  Left = 50\r\n" + in + "  Top = 4\r\n" + in +
           "  Width = 100\r\n" + in + "  Height = 21\r\n" + in + "  TabOrder = 0\r\n" + in + "end\r\n";
    indent = in;
  }
  for (int level = depth; level >= 1; --level) {
    indent.resize(indent.size() - 2);
    out += indent + "end\r\n";
  }
  out += "end\r\n";
  return out;
}

// `panels` small panels side by side on the form, each holding one labelled edit: what every
// parent costs (its lists of children, its tab order, its children on save) weighs most.
inline std::string SmallPanelsForm(int panels) {
  std::string out = FormHeader("SmallPanelsForm");
  for (int p = 1; p <= panels; ++p) {
    std::string n = std::to_string(p);
    out += "  object Panel" + n + ": TPanel\r\n    Left = 8\r\n    Top = " + std::to_string(8 + (p % 20) * 40) +
           "\r\n    Width = 200\r\n    Height = 36\r\n    TabOrder = " + std::to_string(p - 1) + "\r\n";
    out += "    object Label" + n + ": TLabel\r\n      Left = 4\r\n      Top = 8\r\n      Width = 40\r\n"
           "      Height = 13\r\n      Caption = 'Panel " + n + "'\r\n      FocusControl = Edit" + n + "\r\n    end\r\n";
    out += "    object Edit" + n + ": TEdit\r\n      Left = 50\r\n      Top = 6\r\n      Width = 140\r\n"
           "      Height = 21\r\n      TabOrder = 0\r\n    end\r\n  end\r\n";
  }
  out += "end\r\n";
  return out;
}

// Components that refer to each other: `controls` edits in one panel, each with a label
// pointing at it, every edit sharing one pop-up menu and each button linked to one of a
// list's actions; references name components declared after them as well as before.
inline std::string ReferenceForm(int controls) {
  std::string out = FormHeader("ReferenceForm");
  out += "  object Panel1: TPanel\r\n    Left = 0\r\n    Top = 0\r\n    Width = 800\r\n    Height = 600\r\n"
         "    PopupMenu = PopupMenu1\r\n    TabOrder = 0\r\n";
  int tabOrder = 0;
  for (int i = 1; i <= controls / 3; ++i) {
    std::string n = std::to_string(i), top = std::to_string(8 + 24 * (i % 20));
    out += "    object Label" + n + ": TLabel\r\n      Left = 8\r\n      Top = " + top +
           "\r\n      Width = 60\r\n      Height = 13\r\n      Caption = 'Field " + n + ":'\r\n      FocusControl = Edit" +
           n + "\r\n      PopupMenu = PopupMenu1\r\n    end\r\n";
    out += "    object Edit" + n + ": TEdit\r\n      Left = 80\r\n      Top = " + top +
           "\r\n      Width = 121\r\n      Height = 21\r\n      PopupMenu = PopupMenu1\r\n      TabOrder = " +
           std::to_string(tabOrder++) + "\r\n    end\r\n";
    out += "    object Button" + n + ": TButton\r\n      Left = 210\r\n      Top = " + top +
           "\r\n      Width = 75\r\n      Height = 25\r\n      Action = Action" + n + "\r\n      TabOrder = " +
           std::to_string(tabOrder++) + "\r\n    end\r\n";
  }
  out += "  end\r\n  object PopupMenu1: TPopupMenu\r\n    Left = 16\r\n    Top = 16\r\n  end\r\n";
  out += "  object ActionList1: TActionList\r\n    Left = 48\r\n    Top = 16\r\n";
  for (int i = 1; i <= controls / 3; ++i) {
    std::string n = std::to_string(i);
    out += "    object Action" + n + ": TAction\r\n      Caption = 'Action " + n + "'\r\n    end\r\n";
  }
  out += "  end\r\nend\r\n";
  return out;
}

// A form of panels, each holding eight labelled edits, a check box and a memo, until the
// text reaches `bytes`.
inline std::string PanelsForm(std::size_t bytes) {
  std::string out = FormHeader("MainForm");
  for (int n = 1; out.size() < bytes; ++n) {
    std::string p = std::to_string(n);
    out += "  object Panel" + p + ": TPanel\r\n    Left = 8\r\n    Top = 8\r\n    Width = 500\r\n    Height = 400\r\n"
           "    TabOrder = 0\r\n";
    for (int i = 0; i < 8; ++i) {
      std::string c = p + "_" + std::to_string(i);
      std::string top = std::to_string(8 + 28 * i);
      out += "    object Label" + c + ": TLabel\r\n      Left = 8\r\n      Top = " + top +
             "\r\n      Width = 60\r\n      Height = 13\r\n      Caption = 'Field " + c + ":'\r\n"
             "      FocusControl = Edit" + c + "\r\n    end\r\n";
      out += "    object Edit" + c + ": TEdit\r\n      Left = 80\r\n      Top = " + top +
             "\r\n      Width = 121\r\n      Height = 21\r\n      TabOrder = " + std::to_string(i) +
             "\r\n      Text = 'Value " + c + "'\r\n      OnChange = EditChange\r\n    end\r\n";
    }
    out += "    object CheckBox" + p + ": TCheckBox\r\n      Left = 8\r\n      Top = 240\r\n      Width = 97\r\n"
           "      Height = 17\r\n      Alignment = taLeftJustify\r\n      Caption = 'Active'\r\n      TabOrder = 8\r\n    end\r\n";
    out += "    object Memo" + p + ": TMemo\r\n      Left = 8\r\n      Top = 270\r\n      Width = 185\r\n"
           "      Height = 89\r\n      Lines.Strings = (\r\n        'First line'\r\n        'Second line')\r\n"
           "      TabOrder = 9\r\n    end\r\n  end\r\n";
  }
  out += "end\r\n";
  return out;
}

}  // namespace bench
