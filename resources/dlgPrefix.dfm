object dlgPrefix: TdlgPrefix
  Left = 300
  Top = 200
  ActiveControl = edtPrefix
  BorderStyle = bsDialog
  Caption = 'Add component prefix'
  ClientHeight = 84
  ClientWidth = 247
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object btnOK: TButton
    Left = 64
    Top = 56
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    Enabled = False
    TabOrder = 2
    OnClick = btnOKClick
  end
  object btnCancel: TButton
    Left = 144
    Top = 56
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object lblName: TLabel
    Left = 8
    Top = 8
    Width = 87
    Height = 13
    Caption = 'Component &name:'
    FocusControl = edtName
  end
  object edtName: TEdit
    Left = 112
    Top = 4
    Width = 127
    Height = 21
    TabStop = False
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 0
  end
  object edtPrefix: TEdit
    Left = 112
    Top = 30
    Width = 127
    Height = 21
    TabOrder = 1
    OnChange = edtPrefixChange
  end
  object lblPrefix: TLabel
    Left = 8
    Top = 34
    Width = 89
    Height = 13
    Caption = 'Component &prefix:'
    FocusControl = edtPrefix
  end
  object pnlAbout: TPanel
    Left = 228
    Top = 64
    Width = 17
    Height = 18
    BevelOuter = bvNone
    TabOrder = 4
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
end
