{ Converts a text form file to the binary form stream with Free Pascal's own
  ObjectTextToBinary, RUNS times, and prints the milliseconds taken by the conversions.
  Usage: fpc_text_to_binary FILE RUNS }
program fpc_text_to_binary;

{$mode objfpc}{$H+}

uses
  Classes, SysUtils;

var
  Source, Target: TMemoryStream;
  Start: QWord;
  Run, Runs: Integer;
begin
  Runs := StrToIntDef(ParamStr(2), 1);
  Source := TMemoryStream.Create;
  try
    Source.LoadFromFile(ParamStr(1));
    Start := GetTickCount64;
    for Run := 1 to Runs do
    begin
      Source.Position := 0;
      Target := TMemoryStream.Create;
      try
        ObjectTextToBinary(Source, Target);
      finally
        Target.Free;
      end;
    end;
    WriteLn(GetTickCount64 - Start);
  finally
    Source.Free;
  end;
end.
