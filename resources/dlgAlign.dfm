object dlgAlign: TdlgAlign
  Left = 261
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Align editor'
  ClientHeight = 458
  ClientWidth = 314
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object PageControl1: TPageControl
    Left = 4
    Top = 4
    Width = 306
    Height = 418
    ActivePage = TabSheet2
    TabOrder = 2
    object TabSheet2: TTabSheet
      Caption = 'Controls'
      object lblHorCol: TLabel
        Left = 8
        Top = 64
        Width = 125
        Height = 13
        Caption = '&Horizontal column offset:'
        FocusControl = edtHorColumn
      end
      object lblVertCol: TLabel
        Left = 8
        Top = 92
        Width = 113
        Height = 13
        Caption = '&Vertical column offset:'
        FocusControl = edtVertColumn
      end
      object lblHorLabel: TLabel
        Left = 8
        Top = 120
        Width = 115
        Height = 13
        Caption = 'Horizontal &label offset:'
        FocusControl = edtHorLabel
      end
      object lblVerLabel: TLabel
        Left = 8
        Top = 148
        Width = 103
        Height = 13
        Caption = 'Vertical l&abel offset:'
        FocusControl = edtVertLabel
      end
      object lblVertControl: TLabel
        Left = 8
        Top = 176
        Width = 115
        Height = 13
        Caption = 'Vertical control &offset:'
        FocusControl = edtVertControl
      end
      object Label1: TLabel
        Left = 8
        Top = 204
        Width = 39
        Height = 13
        Caption = '&Controls'
        FocusControl = lstControls
      end
      object radVerticalFit: TRadioButton
        Left = 8
        Top = 8
        Width = 113
        Height = 17
        Caption = 'Vertical &fit'
        Checked = True
        TabOrder = 1
        TabStop = True
        OnClick = radVerticalFitClick
      end
      object radFixedColumns: TRadioButton
        Left = 8
        Top = 32
        Width = 129
        Height = 17
        Caption = '&Fixed nr of columns:'
        TabOrder = 2
        OnClick = radFixedColumnsClick
      end
      object edtColumns: TSpinEdit
        Left = 224
        Top = 29
        Width = 57
        Height = 22
        MaxLength = 8
        MaxValue = 99
        MinValue = 1
        TabOrder = 8
        Value = 1
      end
      object edtHorColumn: TSpinEdit
        Left = 224
        Top = 60
        Width = 57
        Height = 22
        MaxLength = 8
        MaxValue = 999
        MinValue = 0
        TabOrder = 3
        Value = 0
      end
      object edtVertColumn: TSpinEdit
        Left = 224
        Top = 88
        Width = 57
        Height = 22
        MaxLength = 8
        MaxValue = 999
        MinValue = 0
        TabOrder = 4
        Value = 0
      end
      object edtHorLabel: TSpinEdit
        Left = 224
        Top = 116
        Width = 57
        Height = 22
        MaxLength = 8
        MaxValue = 999
        MinValue = 0
        TabOrder = 5
        Value = 0
      end
      object edtVertLabel: TSpinEdit
        Left = 224
        Top = 144
        Width = 57
        Height = 22
        MaxLength = 8
        MaxValue = 999
        MinValue = 0
        TabOrder = 6
        Value = 0
      end
      object edtVertControl: TSpinEdit
        Left = 224
        Top = 172
        Width = 57
        Height = 22
        MaxLength = 8
        MaxValue = 999
        MinValue = 0
        TabOrder = 7
        Value = 0
      end
      object lstControls: TCheckListBox
        Left = 8
        Top = 220
        Width = 281
        Height = 162
        ItemHeight = 13
        TabOrder = 0
        OnClickCheck = lstControlsClickCheck
      end
    end
    object TabSheet1: TTabSheet
      Caption = 'Settings'
      object lblCustButtonList: TLabel
        Left = 8
        Top = 36
        Width = 114
        Height = 13
        Caption = 'C&ustom button controls'
        FocusControl = mmoCustBtnControls
      end
      object lblExclude: TLabel
        Left = 8
        Top = 208
        Width = 88
        Height = 13
        Caption = '&Exclude from align'
        FocusControl = mmoExclude
      end
      object chbSpecialCustomBtn: TCheckBox
        Left = 8
        Top = 8
        Width = 273
        Height = 17
        Alignment = taLeftJustify
        Caption = '&Special align custom button controls'
        TabOrder = 4
      end
      object mmoCustBtnControls: TMemo
        Left = 8
        Top = 52
        Width = 185
        Height = 145
        TabOrder = 1
      end
      object mmoExclude: TMemo
        Left = 8
        Top = 224
        Width = 185
        Height = 157
        TabOrder = 0
      end
      object btnRefreshControls: TButton
        Left = 204
        Top = 324
        Width = 85
        Height = 25
        Caption = '&Refresh controls'
        TabOrder = 2
        OnClick = btnRefreshControlsClick
      end
      object btnStore: TButton
        Left = 204
        Top = 356
        Width = 85
        Height = 25
        Caption = '&Save'
        TabOrder = 3
        OnClick = btnStoreClick
      end
    end
  end
  object btnOK: TButton
    Left = 78
    Top = 428
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
  object btnCancel: TButton
    Left = 162
    Top = 428
    Width = 75
    Height = 25
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 1
  end
  object pnlAbout: TPanel
    Left = 292
    Top = 4
    Width = 17
    Height = 18
    BevelOuter = bvNone
    TabOrder = 3
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
