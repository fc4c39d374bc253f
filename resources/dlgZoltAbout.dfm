object dlgZoltAbout: TdlgZoltAbout
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'About Zol-t'
  ClientHeight = 122
  ClientWidth = 160
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
  object imgZolt: TImage
    Left = 0
    Top = 0
    Width = 159
    Height = 95
    Transparent = True
  end
  object lblProgramming: TLabel
    Left = 84
    Top = 16
    Width = 70
    Height = 13
    Alignment = taRightJustify
    Caption = 'Programming'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object lblVersionCaption: TLabel
    Left = 111
    Top = 52
    Width = 43
    Height = 13
    Alignment = taRightJustify
    Caption = 'Version'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object lblVersion: TLabel
    Left = 133
    Top = 68
    Width = 21
    Height = 13
    Alignment = taRightJustify
    Caption = '0.9'#223
    Transparent = True
  end
  object btnOK: TButton
    Left = 43
    Top = 97
    Width = 75
    Height = 23
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
end
