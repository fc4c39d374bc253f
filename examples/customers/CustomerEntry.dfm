object frmCustomerEntry: TfrmCustomerEntry
  Left = 224
  Top = 132
  Width = 472
  Height = 330
  Caption = 'Customer entry'
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
  end
  object tblCustomer: TTable
    DatabaseName = 'customers.db'
    TableName = 'customer'
    Left = 16
    Top = 264
  end
  object dsrCustomer: TDataSource
    DataSet = tblCustomer
    Left = 48
    Top = 264
  end
end
