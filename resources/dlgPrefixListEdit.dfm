object dlgPrefixListEdit: TdlgPrefixListEdit
  Left = 280
  Top = 140
  BorderStyle = bsDialog
  Caption = 'Prefix list editor'
  ClientHeight = 329
  ClientWidth = 272
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
  object lbxPrefix: TListBox
    Left = 4
    Top = 4
    Width = 181
    Height = 321
    ItemHeight = 13
    TabOrder = 0
    OnClick = lbxPrefixClick
    OnKeyDown = lbxPrefixKeyDown
  end
  object btnChange: TButton
    Left = 192
    Top = 32
    Width = 75
    Height = 25
    Caption = '&Change'
    Enabled = False
    TabOrder = 2
    OnClick = btnChangeClick
  end
  object edtPrefix: TEdit
    Left = 193
    Top = 4
    Width = 73
    Height = 21
    TabOrder = 1
  end
  object btnDelete: TButton
    Left = 192
    Top = 64
    Width = 75
    Height = 25
    Caption = '&Delete'
    TabOrder = 3
    OnClick = btnDeleteClick
  end
  object btnOK: TButton
    Left = 192
    Top = 300
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 6
  end
  object btnLoad: TButton
    Left = 192
    Top = 236
    Width = 75
    Height = 25
    Caption = '&Load from file'
    TabOrder = 4
    OnClick = btnLoadClick
  end
  object btnSave: TButton
    Left = 192
    Top = 268
    Width = 75
    Height = 25
    Caption = '&Save to file'
    TabOrder = 5
    OnClick = btnSaveClick
  end
  object pnlAbout: TPanel
    Left = 250
    Top = 96
    Width = 17
    Height = 18
    BevelOuter = bvNone
    TabOrder = 7
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
  object dlgLoad: TOpenDialog
    FileName = '*.prl'
    Filter = 'Zol-t prefix list|*.prl|Any file|*.*'
    Title = 'Load prefix list'
    Left = 200
    Top = 140
  end
  object dlgSave: TSaveDialog
    FileName = 'Zol-t.prl'
    Filter = 'Zol-t prefix list|*.prl|Any file|*.*'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Title = 'Save prefix list'
    Left = 232
    Top = 140
  end
end
