object dlgShortCuts: TdlgShortCuts
  Left = 224
  Top = 140
  BorderStyle = bsDialog
  Caption = 'Shortcut list editor'
  ClientHeight = 403
  ClientWidth = 629
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object lbxActions: TListBox
    Left = 138
    Top = 20
    Width = 333
    Height = 377
    Style = lbOwnerDrawFixed
    ItemHeight = 20
    ParentColor = True
    Sorted = True
    TabOrder = 1
    OnClick = lbxActionsClick
    OnDrawItem = lbxActionsDrawItem
  end
  object lblCommands: TLabel
    Left = 138
    Top = 4
    Width = 52
    Height = 13
    Caption = 'C&ommands'
    FocusControl = lbxActions
  end
  object lblShortCut: TLabel
    Left = 477
    Top = 4
    Width = 40
    Height = 13
    Caption = '&Shortcut'
  end
  object btnSetShortCut: TButton
    Left = 477
    Top = 48
    Width = 147
    Height = 25
    Caption = 'S&et custom shortcut'
    TabOrder = 3
    OnClick = btnSetShortCutClick
  end
  object btnOK: TButton
    Left = 549
    Top = 372
    Width = 75
    Height = 25
    Caption = 'OK'
    ModalResult = 1
    TabOrder = 5
  end
  object cbxShortCut: TComboBox
    Left = 477
    Top = 20
    Width = 149
    Height = 21
    ItemHeight = 13
    Items.Strings = (
      'ctrl-f2'
      'f2'
      'tab')
    TabOrder = 2
    OnKeyPress = cbxShortCutKeyPress
  end
  object lblCategory: TLabel
    Left = 6
    Top = 4
    Width = 42
    Height = 13
    Caption = '&Category'
    FocusControl = lbxCategory
  end
  object lbxCategory: TListBox
    Left = 6
    Top = 20
    Width = 125
    Height = 377
    ItemHeight = 13
    TabOrder = 0
    OnClick = lbxCategoryClick
  end
  object btnRestoreShortCut: TButton
    Left = 477
    Top = 78
    Width = 147
    Height = 25
    Caption = 'Restore &Delphi shortcut'
    TabOrder = 4
    OnClick = btnRestoreShortCutClick
  end
  object pnlAbout: TPanel
    Left = 607
    Top = 142
    Width = 17
    Height = 18
    BevelOuter = bvNone
    TabOrder = 6
    object SpeedButton1: TSpeedButton
      Left = 0
      Top = 0
      Width = 17
      Height = 17
      Caption = '?'
      Flat = True
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      OnClick = SpeedButton1Click
    end
  end
  object btnRestoreAll: TButton
    Left = 477
    Top = 108
    Width = 147
    Height = 25
    Caption = 'Restore &all Delphi shortcuts'
    TabOrder = 7
    OnClick = btnRestoreAllClick
  end
end
