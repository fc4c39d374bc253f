unit CustomerForm;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, Db, DBTables;

type
  TfrmCustomers = class(TForm)
    pnlCustomer: TPanel;
    lblCustNo: TLabel;
    lblCompany: TLabel;
    lblAddress: TLabel;
    lblCity: TLabel;
    lblPhone: TLabel;
    edtCustNo: TEdit;
    edtCompany: TEdit;
    edtAddress: TEdit;
    edtCity: TEdit;
    edtPhone: TEdit;
    chbTaxExempt: TCheckBox;
    chbMailings: TCheckBox;
    btnOK: TButton;
    btnCancel: TButton;
    tblCustomer: TTable;
    tblCustomerCustNo: TIntegerField;
    tblCustomerCompany: TStringField;
    tblCustomerAddress: TStringField;
    tblCustomerCity: TStringField;
    tblCustomerPhone: TStringField;
    tblCustomerTaxExempt: TBooleanField;
    tblCustomerLastInvoice: TDateTimeField;
    dsCustomer: TDataSource;
    procedure FormCreate(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmCustomers: TfrmCustomers;

implementation

{$R *.DFM}

procedure TfrmCustomers.FormCreate(Sender: TObject);
begin
  tblCustomer.Open;
end;

end.
