unit CustomerEntry;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, Db, DBTables;

type
  TfrmCustomerEntry = class(TForm)
    pnlCustomer: TPanel;
    tblCustomer: TTable;
    dsrCustomer: TDataSource;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmCustomerEntry: TfrmCustomerEntry;

implementation

{$R *.DFM}

end.
