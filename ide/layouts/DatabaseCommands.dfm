object DatabaseCommands: TDatabaseCommands
  OldCreateOrder = False
  Left = 200
  Top = 120
  Height = 150
  Width = 215
  object ActionList1: TActionList
    Images = ImageList1
    object DatabaseExploreCommand: TAction
      Category = 'Database'
      Caption = '&Explore'
      Hint = 'Explore databases'
    end
    object DatabaseSQLMonitorCommand: TAction
      Category = 'Database'
      Caption = '&SQL Monitor'
      Hint = 'SQL monitor'
    end
    object DatabaseFormWizardCommand: TAction
      Category = 'Database'
      Caption = '&Form Wizard...'
      Hint = 'Database form wizard'
    end
  end
  object ImageList1: TImageList
  end
end
