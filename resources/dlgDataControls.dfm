object dlgDataControls: TdlgDataControls
  Left = 245
  Top = 108
  ActiveControl = lstFields
  BorderStyle = bsDialog
  Caption = 'Datacontrols wizard'
  ClientHeight = 401
  ClientWidth = 408
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
  object btnOK: TButton
    Left = 126
    Top = 370
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 1
    OnClick = btnOKClick
  end
  object btnCancel: TButton
    Left = 208
    Top = 370
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 2
    OnClick = btnCancelClick
  end
  object PageControl1: TPageControl
    Left = 4
    Top = 4
    Width = 400
    Height = 360
    ActivePage = TabSheet1
    TabOrder = 0
    object TabSheet1: TTabSheet
      Caption = 'Fields'
      object lblFields: TLabel
        Left = 8
        Top = 6
        Width = 27
        Height = 13
        Caption = '&Fields'
      end
      object lblControl: TLabel
        Left = 8
        Top = 236
        Width = 33
        Height = 13
        Caption = '&Control'
      end
      object btnUp: TSpeedButton
        Left = 356
        Top = 22
        Width = 25
        Height = 25
        Hint = 'Move up (ctrl - up)'
        Flat = True
        NumGlyphs = 2
        ParentShowHint = False
        ShowHint = True
        OnClick = btnUpClick
      end
      object btnDown: TSpeedButton
        Left = 356
        Top = 50
        Width = 25
        Height = 25
        Hint = 'Move down (ctrl - down)'
        Flat = True
        NumGlyphs = 2
        ParentShowHint = False
        ShowHint = True
        OnClick = btnDownClick
      end
      object lblContainer: TLabel
        Left = 8
        Top = 282
        Width = 45
        Height = 13
        Caption = 'C&ontainer'
        FocusControl = cbxContainer
      end
      object lstFields: TCheckListBox
        Left = 8
        Top = 22
        Width = 340
        Height = 206
        ItemHeight = 13
        TabOrder = 0
        OnClick = lstFieldsClick
        OnKeyDown = lstFieldsKeyDown
      end
      object cbxFieldControl: TComboBox
        Left = 8
        Top = 252
        Width = 340
        Height = 21
        DropDownCount = 16
        ItemHeight = 13
        Sorted = True
        TabOrder = 1
        OnEnter = cbxSelectControlEnter
        OnExit = cbxSelectControlExit
        OnKeyPress = cbxFieldControlKeyPress
        OnKeyUp = cbxSelectControlKeyUp
      end
      object cbxContainer: TComboBox
        Left = 8
        Top = 298
        Width = 340
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        TabOrder = 2
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Settings'
      object lblLabelType: TLabel
        Left = 8
        Top = 60
        Width = 26
        Height = 13
        Caption = '&Label'
        FocusControl = edtLabel
      end
      object lblAppend: TLabel
        Left = 8
        Top = 88
        Width = 76
        Height = 13
        Caption = 'A&ppend to label'
        FocusControl = edtAppend
      end
      object lblWidth: TLabel
        Left = 8
        Top = 116
        Width = 28
        Height = 13
        Caption = '&Width'
        FocusControl = rgpWidth
      end
      object lblCustButtonList: TLabel
        Left = 8
        Top = 222
        Width = 114
        Height = 13
        Caption = 'C&ustom button controls'
        FocusControl = mmoCustBtnControls
      end
      object chbAddLabels: TCheckBox
        Left = 8
        Top = 8
        Width = 225
        Height = 17
        Alignment = taLeftJustify
        Caption = '&Add labels'
        Checked = True
        State = cbChecked
        TabOrder = 0
      end
      object chbDecapitalize: TCheckBox
        Left = 8
        Top = 32
        Width = 225
        Height = 17
        Alignment = taLeftJustify
        Caption = '&Decapitalize'
        TabOrder = 1
      end
      object edtLabel: TEdit
        Left = 112
        Top = 56
        Width = 121
        Height = 21
        TabOrder = 2
        Text = 'TLabel'
      end
      object edtAppend: TEdit
        Left = 112
        Top = 84
        Width = 121
        Height = 21
        TabOrder = 3
      end
      object rgpWidth: TRadioGroup
        Left = 112
        Top = 112
        Width = 185
        Height = 73
        ItemIndex = 0
        Items.Strings = (
          '&Default width'
          'Display&width'
          '&Largest displaywidth')
        TabOrder = 4
      end
      object chbCreateLabelCustBtn: TCheckBox
        Left = 8
        Top = 196
        Width = 225
        Height = 17
        Alignment = taLeftJustify
        Caption = 'C&reate label for custom button controls'
        TabOrder = 5
      end
      object mmoCustBtnControls: TMemo
        Left = 8
        Top = 238
        Width = 225
        Height = 89
        TabOrder = 6
      end
      object btnSaveSettings: TButton
        Left = 308
        Top = 302
        Width = 75
        Height = 25
        Caption = '&Save'
        TabOrder = 7
        OnClick = btnSaveSettingsClick
      end
    end
    object Associations: TTabSheet
      Caption = 'Associations'
      object lblAssocType: TLabel
        Left = 8
        Top = 260
        Width = 88
        Height = 13
        Caption = '&Associated control'
        FocusControl = cbxControl
      end
      object lblFieldTypes: TLabel
        Left = 8
        Top = 6
        Width = 51
        Height = 13
        Caption = 'Field &types'
        FocusControl = lstTypes
      end
      object lstTypes: TListBox
        Left = 8
        Top = 22
        Width = 284
        Height = 230
        ItemHeight = 13
        TabOrder = 0
        OnClick = lstTypesClick
      end
      object cbxControl: TComboBox
        Left = 8
        Top = 276
        Width = 284
        Height = 21
        DropDownCount = 16
        ItemHeight = 13
        Sorted = True
        TabOrder = 1
        OnEnter = cbxSelectControlEnter
        OnExit = cbxSelectControlExit
        OnKeyPress = cbxControlKeyPress
        OnKeyUp = cbxSelectControlKeyUp
      end
      object btnSaveAssoc: TButton
        Left = 308
        Top = 270
        Width = 75
        Height = 25
        Caption = '&Save'
        TabOrder = 2
        OnClick = btnSaveAssocClick
      end
      object btnRefreshFields: TButton
        Left = 308
        Top = 302
        Width = 75
        Height = 25
        Caption = '&Refresh fields'
        TabOrder = 3
        OnClick = btnRefreshFieldsClick
      end
    end
  end
  object pnlAbout: TPanel
    Left = 386
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
