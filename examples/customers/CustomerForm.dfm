object frmCustomers: TfrmCustomers
  Left = 224
  Top = 132
  Width = 472
  Height = 330
  Caption = 'Customers'
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
  object pnlCustomer: TPanel
    Left = 8
    Top = 8
    Width = 448
    Height = 249
    BevelOuter = bvLowered
    TabOrder = 0
    object lblCustNo: TLabel
      Left = 16
      Top = 14
      Width = 47
      Height = 13
      Caption = 'Cust &No.:'
      FocusControl = edtCustNo
    end
    object lblCompany: TLabel
      Left = 16
      Top = 44
      Width = 47
      Height = 13
      Caption = '&Company:'
      FocusControl = edtCompany
    end
    object lblAddress: TLabel
      Left = 200
      Top = 76
      Width = 41
      Height = 13
      Caption = '&Address:'
      FocusControl = edtAddress
    end
    object lblCity: TLabel
      Left = 16
      Top = 120
      Width = 20
      Height = 13
      Caption = 'C&ity:'
      FocusControl = edtCity
    end
    object lblPhone: TLabel
      Left = 230
      Top = 150
      Width = 34
      Height = 13
      Caption = '&Phone:'
      FocusControl = edtPhone
    end
    object edtCustNo: TEdit
      Left = 80
      Top = 10
      Width = 73
      Height = 21
      TabOrder = 0
    end
    object edtCompany: TEdit
      Left = 72
      Top = 40
      Width = 209
      Height = 21
      TabOrder = 1
    end
    object edtAddress: TEdit
      Left = 256
      Top = 72
      Width = 177
      Height = 21
      TabOrder = 2
    end
    object edtCity: TEdit
      Left = 56
      Top = 116
      Width = 121
      Height = 21
      TabOrder = 3
    end
    object edtPhone: TEdit
      Left = 280
      Top = 146
      Width = 105
      Height = 21
      TabOrder = 4
    end
    object chbTaxExempt: TCheckBox
      Left = 24
      Top = 180
      Width = 97
      Height = 17
      Caption = '&Tax exempt'
      TabOrder = 5
    end
    object chbMailings: TCheckBox
      Left = 160
      Top = 206
      Width = 113
      Height = 17
      Caption = '&Send mailings'
      TabOrder = 6
    end
  end
  object btnOK: TButton
    Left = 296
    Top = 268
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object btnCancel: TButton
    Left = 380
    Top = 268
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object tblCustomer: TTable
    DatabaseName = 'customers.db'
    TableName = 'customer'
    Left = 24
    Top = 264
    object tblCustomerCustNo: TIntegerField
      FieldName = 'CustNo'
    end
    object tblCustomerCompany: TStringField
      FieldName = 'Company'
      Size = 30
    end
    object tblCustomerAddress: TStringField
      FieldName = 'Address'
      Size = 30
    end
    object tblCustomerCity: TStringField
      FieldName = 'City'
      Size = 15
    end
    object tblCustomerPhone: TStringField
      DisplayLabel = 'Phone number'
      FieldName = 'Phone'
      Size = 15
    end
    object tblCustomerTaxExempt: TBooleanField
      FieldName = 'TaxExempt'
    end
    object tblCustomerLastInvoice: TDateTimeField
      FieldName = 'LastInvoice'
    end
  end
  object dsCustomer: TDataSource
    DataSet = tblCustomer
    Left = 56
    Top = 264
  end
end
