{ Prints the text of a binary form file (resource header or bare stream) with the Free Pascal
  run-time library's own converter; the tests compare it with ours value by value. }
program binary_to_text;

{$mode objfpc}{$H+}

uses
  Classes, SysUtils;

var
  Input: TFileStream;
  Output: THandleStream;
  Signature: array[0..3] of Char;
begin
  if ParamCount <> 1 then
    Halt(2);
  Input := TFileStream.Create(ParamStr(1), fmOpenRead or fmShareDenyNone);
  Output := THandleStream.Create(StdOutputHandle);
  try
    Input.ReadBuffer(Signature, 4);
    Input.Position := 0;
    if Signature = 'TPF0' then
      ObjectBinaryToText(Input, Output)
    else
      ObjectResourceToText(Input, Output);
  finally
    Output.Free;
    Input.Free;
  end;
end.
