object AppBuilder: TAppBuilder
  Left = 0
  Top = 0
  Width = 800
  Height = 112
  Caption = 'Project1'
  Menu = MainMenu1
  object PaletteBar: TPanel
    Left = 192
    Top = 0
    Width = 600
    Height = 52
    BevelOuter = bvNone
    Caption = ''
    object TabControl: TTabControl
      Left = 0
      Top = 1
      Width = 600
      Height = 51
      Constraints.MaxHeight = 51
      Constraints.MinHeight = 51
      PopupMenu = PaletteMenu
      TabOrder = 0
    end
  end
  object MainMenu1: TMainMenu
    Images = ImageList1
    object FileMenu: TMenuItem
      Caption = '&File'
      object FileNewItem: TMenuItem
        Action = FileNewCommand
      end
      object FileNewApplicationItem: TMenuItem
        Action = FileNewApplicationCommand
      end
      object FileNewFormItem: TMenuItem
        Action = FileNewFormCommand
      end
      object FileNewDataModuleItem: TMenuItem
        Action = FileNewDataModuleCommand
      end
      object FileOpenItem: TMenuItem
        Action = FileOpenCommand
      end
      object FileOpenProjectItem: TMenuItem
        Action = FileOpenProjectCommand
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object FileSaveItem: TMenuItem
        Action = FileSaveCommand
      end
      object FileSaveAsItem: TMenuItem
        Action = FileSaveAsCommand
      end
      object FileSaveProjectAsItem: TMenuItem
        Action = FileSaveProjectAsCommand
      end
      object FileSaveAllItem: TMenuItem
        Action = FileSaveAllCommand
      end
      object FileCloseItem: TMenuItem
        Action = FileCloseCommand
      end
      object FileCloseAllItem: TMenuItem
        Action = FileCloseAllCommand
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object FileUseUnitItem: TMenuItem
        Action = FileUseUnitCommand
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object FilePrintItem: TMenuItem
        Action = FilePrintCommand
      end
      object N4: TMenuItem
        Caption = '-'
      end
      object FileExitItem: TMenuItem
        Action = FileExitCommand
      end
    end
    object EditMenu: TMenuItem
      Caption = '&Edit'
      object EditUndoItem: TMenuItem
        Action = EditUndoCommand
      end
      object EditRedoItem: TMenuItem
        Action = EditRedoCommand
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object EditCutItem: TMenuItem
        Action = EditCutCommand
      end
      object EditCopyItem: TMenuItem
        Action = EditCopyCommand
      end
      object EditPasteItem: TMenuItem
        Action = EditPasteCommand
      end
      object EditDeleteItem: TMenuItem
        Action = EditDeleteCommand
      end
      object EditSelectAllItem: TMenuItem
        Action = EditSelectAllCommand
      end
      object N6: TMenuItem
        Caption = '-'
      end
      object EditAlignToGridItem: TMenuItem
        Action = EditAlignToGridCommand
      end
      object EditBringToFrontItem: TMenuItem
        Action = EditBringToFrontCommand
      end
      object EditSendToBackItem: TMenuItem
        Action = EditSendToBackCommand
      end
      object EditAlignItem: TMenuItem
        Action = EditAlignCommand
      end
      object EditSizeItem: TMenuItem
        Action = EditSizeCommand
      end
      object EditScaleItem: TMenuItem
        Action = EditScaleCommand
      end
      object EditTabOrderItem: TMenuItem
        Action = EditTabOrderCommand
      end
      object EditCreationOrderItem: TMenuItem
        Action = EditCreationOrderCommand
      end
      object EditLockControlsItem: TMenuItem
        Action = EditLockControlsCommand
      end
    end
    object SearchMenu: TMenuItem
      Caption = '&Search'
      object SearchFindItem: TMenuItem
        Action = SearchFindCommand
      end
      object SearchFindInFilesItem: TMenuItem
        Action = SearchFindInFilesCommand
      end
      object SearchReplaceItem: TMenuItem
        Action = SearchReplaceCommand
      end
      object SearchAgainItem: TMenuItem
        Action = SearchAgainCommand
      end
      object SearchIncrementalItem: TMenuItem
        Action = SearchIncrementalCommand
      end
      object N7: TMenuItem
        Caption = '-'
      end
      object SearchGoToLineItem: TMenuItem
        Action = SearchGoToLineCommand
      end
      object SearchFindErrorItem: TMenuItem
        Action = SearchFindErrorCommand
      end
      object SearchBrowseSymbolItem: TMenuItem
        Action = SearchBrowseSymbolCommand
      end
    end
    object ViewMenu: TMenuItem
      Caption = '&View'
      object ViewProjectManagerItem: TMenuItem
        Action = ViewProjectManagerCommand
      end
      object ViewObjectInspectorItem: TMenuItem
        Action = ViewObjectInspectorCommand
      end
      object ViewAlignPaletteItem: TMenuItem
        Action = ViewAlignPaletteCommand
      end
      object ViewBrowserItem: TMenuItem
        Action = ViewBrowserCommand
      end
      object ViewCodeExplorerItem: TMenuItem
        Action = ViewCodeExplorerCommand
      end
      object ViewComponentListItem: TMenuItem
        Action = ViewComponentListCommand
      end
      object ViewWindowListItem: TMenuItem
        Action = ViewWindowListCommand
      end
      object N8: TMenuItem
        Caption = '-'
      end
      object ViewToggleFormItem: TMenuItem
        Action = ViewToggleFormCommand
      end
      object ViewUnitsItem: TMenuItem
        Action = ViewUnitsCommand
      end
      object ViewFormsItem: TMenuItem
        Action = ViewFormsCommand
      end
      object N9: TMenuItem
        Caption = '-'
      end
      object ViewNewEditWindowItem: TMenuItem
        Action = ViewNewEditWindowCommand
      end
    end
    object ProjectMenu: TMenuItem
      Caption = '&Project'
      object ProjectAddItem: TMenuItem
        Action = ProjectAddCommand
      end
      object ProjectRemoveItem: TMenuItem
        Action = ProjectRemoveCommand
      end
      object ProjectAddToRepositoryItem: TMenuItem
        Action = ProjectAddToRepositoryCommand
      end
      object N10: TMenuItem
        Caption = '-'
      end
      object ProjectCompileItem: TMenuItem
        Action = ProjectCompileCommand
      end
      object ProjectBuildItem: TMenuItem
        Action = ProjectBuildCommand
      end
      object ProjectSyntaxCheckItem: TMenuItem
        Action = ProjectSyntaxCheckCommand
      end
      object ProjectInformationItem: TMenuItem
        Action = ProjectInformationCommand
      end
      object N11: TMenuItem
        Caption = '-'
      end
      object ProjectOptionsItem: TMenuItem
        Action = ProjectOptionsCommand
      end
    end
    object RunMenu: TMenuItem
      Caption = '&Run'
      object RunRunItem: TMenuItem
        Action = RunRunCommand
      end
      object RunParametersItem: TMenuItem
        Action = RunParametersCommand
      end
      object N12: TMenuItem
        Caption = '-'
      end
      object RunStepOverItem: TMenuItem
        Action = RunStepOverCommand
      end
      object RunTraceIntoItem: TMenuItem
        Action = RunTraceIntoCommand
      end
      object RunTraceToNextLineItem: TMenuItem
        Action = RunTraceToNextLineCommand
      end
      object RunToCursorItem: TMenuItem
        Action = RunToCursorCommand
      end
      object RunShowExecutionPointItem: TMenuItem
        Action = RunShowExecutionPointCommand
      end
      object RunPauseItem: TMenuItem
        Action = RunPauseCommand
      end
      object RunResetItem: TMenuItem
        Action = RunResetCommand
      end
      object N13: TMenuItem
        Caption = '-'
      end
      object RunAddWatchItem: TMenuItem
        Action = RunAddWatchCommand
      end
      object RunEvaluateItem: TMenuItem
        Action = RunEvaluateCommand
      end
    end
    object ComponentMenu: TMenuItem
      Caption = '&Component'
      object ComponentNewItem: TMenuItem
        Action = ComponentNewCommand
      end
      object ComponentInstallItem: TMenuItem
        Action = ComponentInstallCommand
      end
      object ComponentImportActiveXItem: TMenuItem
        Action = ComponentImportActiveXCommand
      end
      object ComponentCreateTemplateItem: TMenuItem
        Action = ComponentCreateTemplateCommand
      end
      object ComponentInstallPackagesItem: TMenuItem
        Action = ComponentInstallPackagesCommand
      end
      object ComponentConfigurePaletteItem: TMenuItem
        Action = ComponentConfigurePaletteCommand
      end
    end
    object DatabaseMenu: TMenuItem
      Caption = '&Database'
    end
    object ToolsMenu: TMenuItem
      Caption = '&Tools'
      object ToolsOptionsItem: TMenuItem
        Action = ToolsOptionsCommand
      end
      object ToolsEditorOptionsItem: TMenuItem
        Action = ToolsEditorOptionsCommand
      end
      object ToolsDebuggerOptionsItem: TMenuItem
        Action = ToolsDebuggerOptionsCommand
      end
      object N14: TMenuItem
        Caption = '-'
      end
      object ToolsRepositoryItem: TMenuItem
        Action = ToolsRepositoryCommand
      end
      object ToolsConfigureToolsItem: TMenuItem
        Action = ToolsConfigureToolsCommand
      end
    end
    object HelpMenu: TMenuItem
      Caption = '&Help'
      object HelpContentsItem: TMenuItem
        Action = HelpContentsCommand
      end
      object HelpTopicSearchItem: TMenuItem
        Action = HelpTopicSearchCommand
      end
      object HelpWindowsSDKItem: TMenuItem
        Action = HelpWindowsSDKCommand
      end
      object N15: TMenuItem
        Caption = '-'
      end
      object HelpAboutItem: TMenuItem
        Action = HelpAboutCommand
      end
    end
  end
  object PaletteMenu: TPopupMenu
    object PaletteShowHintsItem: TMenuItem
      Caption = 'Show &Hints'
      Checked = True
    end
    object PaletteHideItem: TMenuItem
      Caption = '&Hide'
    end
    object PaletteHelpItem: TMenuItem
      Caption = 'Help'
    end
    object N16: TMenuItem
      Caption = '-'
    end
    object PalettePropertiesItem: TMenuItem
      Caption = '&Properties...'
    end
  end
  object ActionList1: TActionList
    Images = ImageList1
    object FileNewCommand: TAction
      Category = 'File'
      Caption = '&New...'
      Hint = 'New items'
      ImageIndex = 0
    end
    object FileNewApplicationCommand: TAction
      Category = 'File'
      Caption = 'New Applica&tion'
      Hint = 'New application'
    end
    object FileNewFormCommand: TAction
      Category = 'File'
      Caption = 'New &Form'
      Hint = 'New form'
    end
    object FileNewDataModuleCommand: TAction
      Category = 'File'
      Caption = 'New &Data Module'
      Hint = 'New data module'
    end
    object FileOpenCommand: TAction
      Category = 'File'
      Caption = '&Open...'
      Hint = 'Open file'
      ImageIndex = 1
    end
    object FileOpenProjectCommand: TAction
      Category = 'File'
      Caption = 'Open Pro&ject...'
      Hint = 'Open project'
      ShortCut = 16506
    end
    object FileSaveCommand: TAction
      Category = 'File'
      Caption = '&Save'
      Hint = 'Save file'
      ImageIndex = 2
      ShortCut = 16467
    end
    object FileSaveAsCommand: TAction
      Category = 'File'
      Caption = 'Save &As...'
      Hint = 'Save file as'
    end
    object FileSaveProjectAsCommand: TAction
      Category = 'File'
      Caption = 'Sa&ve Project As...'
      Hint = 'Save project as'
    end
    object FileSaveAllCommand: TAction
      Category = 'File'
      Caption = 'Save A&ll'
      Hint = 'Save all'
      ImageIndex = 3
      ShortCut = 24659
    end
    object FileCloseCommand: TAction
      Category = 'File'
      Caption = '&Close'
      Hint = 'Close file'
    end
    object FileCloseAllCommand: TAction
      Category = 'File'
      Caption = 'C&lose All'
      Hint = 'Close all'
    end
    object FileUseUnitCommand: TAction
      Category = 'File'
      Caption = '&Use Unit...'
      Hint = 'Use unit'
      ShortCut = 32890
    end
    object FilePrintCommand: TAction
      Category = 'File'
      Caption = '&Print...'
      Hint = 'Print'
    end
    object FileExitCommand: TAction
      Category = 'File'
      Caption = 'E&xit'
      Hint = 'Exit'
    end
    object EditUndoCommand: TAction
      Category = 'Edit'
      Caption = '&Undo'
      Hint = 'Undo'
      ShortCut = 16474
    end
    object EditRedoCommand: TAction
      Category = 'Edit'
      Caption = '&Redo'
      Hint = 'Redo'
      ShortCut = 24666
    end
    object EditCutCommand: TAction
      Category = 'Edit'
      Caption = 'Cu&t'
      Hint = 'Cut'
      ShortCut = 16472
    end
    object EditCopyCommand: TAction
      Category = 'Edit'
      Caption = '&Copy'
      Hint = 'Copy'
      ShortCut = 16451
    end
    object EditPasteCommand: TAction
      Category = 'Edit'
      Caption = '&Paste'
      Hint = 'Paste'
      ShortCut = 16470
    end
    object EditDeleteCommand: TAction
      Category = 'Edit'
      Caption = '&Delete'
      Hint = 'Delete'
      ShortCut = 16430
    end
    object EditSelectAllCommand: TAction
      Category = 'Edit'
      Caption = 'Se&lect All'
      Hint = 'Select all'
      ShortCut = 16449
    end
    object EditAlignToGridCommand: TAction
      Category = 'Edit'
      Caption = 'Align to &Grid'
      Hint = 'Align to grid'
    end
    object EditBringToFrontCommand: TAction
      Category = 'Edit'
      Caption = 'Bring to &Front'
      Hint = 'Bring to front'
    end
    object EditSendToBackCommand: TAction
      Category = 'Edit'
      Caption = 'Send to &Back'
      Hint = 'Send to back'
    end
    object EditAlignCommand: TAction
      Category = 'Edit'
      Caption = '&Align...'
      Hint = 'Align'
    end
    object EditSizeCommand: TAction
      Category = 'Edit'
      Caption = '&Size...'
      Hint = 'Size'
    end
    object EditScaleCommand: TAction
      Category = 'Edit'
      Caption = 'Scal&e...'
      Hint = 'Scale'
    end
    object EditTabOrderCommand: TAction
      Category = 'Edit'
      Caption = 'Tab &Order...'
      Hint = 'Tab order'
    end
    object EditCreationOrderCommand: TAction
      Category = 'Edit'
      Caption = 'Creatio&n Order...'
      Hint = 'Creation order'
    end
    object EditLockControlsCommand: TAction
      Category = 'Edit'
      Caption = 'Loc&k Controls'
      Hint = 'Lock controls'
    end
    object SearchFindCommand: TAction
      Category = 'Search'
      Caption = '&Find...'
      Hint = 'Find'
      ShortCut = 16454
    end
    object SearchFindInFilesCommand: TAction
      Category = 'Search'
      Caption = 'Find in Fi&les...'
      Hint = 'Find in files'
    end
    object SearchReplaceCommand: TAction
      Category = 'Search'
      Caption = '&Replace...'
      Hint = 'Replace'
      ShortCut = 16466
    end
    object SearchAgainCommand: TAction
      Category = 'Search'
      Caption = '&Search Again'
      Hint = 'Search again'
      ShortCut = 114
    end
    object SearchIncrementalCommand: TAction
      Category = 'Search'
      Caption = '&Incremental Search'
      Hint = 'Incremental search'
      ShortCut = 16453
    end
    object SearchGoToLineCommand: TAction
      Category = 'Search'
      Caption = '&Go to Line Number...'
      Hint = 'Go to line number'
      ShortCut = 32839
    end
    object SearchFindErrorCommand: TAction
      Category = 'Search'
      Caption = 'Find &Error...'
      Hint = 'Find error'
    end
    object SearchBrowseSymbolCommand: TAction
      Category = 'Search'
      Caption = 'Browse S&ymbol...'
      Hint = 'Browse symbol'
    end
    object ViewProjectManagerCommand: TAction
      Category = 'View'
      Caption = '&Project Manager'
      Hint = 'Project manager'
      ShortCut = 49274
    end
    object ViewObjectInspectorCommand: TAction
      Category = 'View'
      Caption = '&Object Inspector'
      Hint = 'Object Inspector'
      ShortCut = 122
    end
    object ViewAlignPaletteCommand: TAction
      Category = 'View'
      Caption = '&Alignment Palette'
      Hint = 'Alignment palette'
    end
    object ViewBrowserCommand: TAction
      Category = 'View'
      Caption = '&Browser'
      Hint = 'Browser'
      ShortCut = 24642
    end
    object ViewCodeExplorerCommand: TAction
      Category = 'View'
      Caption = 'Code &Explorer'
      Hint = 'Code explorer'
    end
    object ViewComponentListCommand: TAction
      Category = 'View'
      Caption = '&Component List'
      Hint = 'Component list'
    end
    object ViewWindowListCommand: TAction
      Category = 'View'
      Caption = '&Window List...'
      Hint = 'Window list'
      ShortCut = 32816
    end
    object ViewToggleFormCommand: TAction
      Category = 'View'
      Caption = 'Toggle Form/&Unit'
      Hint = 'Toggle form/unit'
      ImageIndex = 7
      ShortCut = 123
    end
    object ViewUnitsCommand: TAction
      Category = 'View'
      Caption = '&Units...'
      Hint = 'View unit'
      ShortCut = 16507
    end
    object ViewFormsCommand: TAction
      Category = 'View'
      Caption = '&Forms...'
      Hint = 'View form'
      ShortCut = 8315
    end
    object ViewNewEditWindowCommand: TAction
      Category = 'View'
      Caption = 'New &Edit Window'
      Hint = 'New edit window'
    end
    object ProjectAddCommand: TAction
      Category = 'Project'
      Caption = '&Add to Project...'
      Hint = 'Add file to project'
      ShortCut = 8314
    end
    object ProjectRemoveCommand: TAction
      Category = 'Project'
      Caption = '&Remove from Project...'
      Hint = 'Remove file from project'
    end
    object ProjectAddToRepositoryCommand: TAction
      Category = 'Project'
      Caption = 'Add to Repositor&y...'
      Hint = 'Add to repository'
    end
    object ProjectCompileCommand: TAction
      Category = 'Project'
      Caption = '&Compile'
      Hint = 'Compile project'
      ShortCut = 16504
    end
    object ProjectBuildCommand: TAction
      Category = 'Project'
      Caption = '&Build'
      Hint = 'Build project'
    end
    object ProjectSyntaxCheckCommand: TAction
      Category = 'Project'
      Caption = '&Syntax Check'
      Hint = 'Syntax check'
    end
    object ProjectInformationCommand: TAction
      Category = 'Project'
      Caption = '&Information'
      Hint = 'Project information'
    end
    object ProjectOptionsCommand: TAction
      Category = 'Project'
      Caption = '&Options...'
      Hint = 'Project options'
      ShortCut = 24698
    end
    object RunRunCommand: TAction
      Category = 'Run'
      Caption = '&Run'
      Hint = 'Run'
      ImageIndex = 4
      ShortCut = 120
    end
    object RunParametersCommand: TAction
      Category = 'Run'
      Caption = '&Parameters...'
      Hint = 'Run parameters'
    end
    object RunStepOverCommand: TAction
      Category = 'Run'
      Caption = '&Step Over'
      Hint = 'Step over'
      ShortCut = 119
    end
    object RunTraceIntoCommand: TAction
      Category = 'Run'
      Caption = '&Trace Into'
      Hint = 'Trace into'
      ShortCut = 118
    end
    object RunTraceToNextLineCommand: TAction
      Category = 'Run'
      Caption = 'Trace to &Next Source Line'
      Hint = 'Trace to next source line'
      ShortCut = 8310
    end
    object RunToCursorCommand: TAction
      Category = 'Run'
      Caption = 'Run to &Cursor'
      Hint = 'Run to cursor'
      ShortCut = 115
    end
    object RunShowExecutionPointCommand: TAction
      Category = 'Run'
      Caption = 'Show E&xecution Point'
      Hint = 'Show execution point'
    end
    object RunPauseCommand: TAction
      Category = 'Run'
      Caption = 'Program Pa&use'
      Hint = 'Pause'
      ImageIndex = 5
    end
    object RunResetCommand: TAction
      Category = 'Run'
      Caption = 'Program R&eset'
      Hint = 'Program reset'
      ImageIndex = 6
      ShortCut = 16497
    end
    object RunAddWatchCommand: TAction
      Category = 'Run'
      Caption = 'Add &Watch...'
      Hint = 'Add watch'
      ShortCut = 16500
    end
    object RunEvaluateCommand: TAction
      Category = 'Run'
      Caption = 'Evaluate/&Modify...'
      Hint = 'Evaluate/modify'
      ShortCut = 16502
    end
    object ComponentNewCommand: TAction
      Category = 'Component'
      Caption = '&New Component...'
      Hint = 'New component'
    end
    object ComponentInstallCommand: TAction
      Category = 'Component'
      Caption = '&Install Component...'
      Hint = 'Install component'
    end
    object ComponentImportActiveXCommand: TAction
      Category = 'Component'
      Caption = 'Import ActiveX &Control...'
      Hint = 'Import ActiveX control'
    end
    object ComponentCreateTemplateCommand: TAction
      Category = 'Component'
      Caption = '&Create Component Template...'
      Hint = 'Create component template'
    end
    object ComponentInstallPackagesCommand: TAction
      Category = 'Component'
      Caption = 'Install &Packages...'
      Hint = 'Install packages'
    end
    object ComponentConfigurePaletteCommand: TAction
      Category = 'Component'
      Caption = 'Configure &Palette...'
      Hint = 'Configure palette'
    end
    object ToolsOptionsCommand: TAction
      Category = 'Tools'
      Caption = '&Environment Options...'
      Hint = 'Environment options'
    end
    object ToolsEditorOptionsCommand: TAction
      Category = 'Tools'
      Caption = 'Editor &Options...'
      Hint = 'Editor options'
    end
    object ToolsDebuggerOptionsCommand: TAction
      Category = 'Tools'
      Caption = '&Debugger Options...'
      Hint = 'Debugger options'
    end
    object ToolsRepositoryCommand: TAction
      Category = 'Tools'
      Caption = '&Repository...'
      Hint = 'Repository'
    end
    object ToolsConfigureToolsCommand: TAction
      Category = 'Tools'
      Caption = '&Configure Tools...'
      Hint = 'Configure tools'
    end
    object HelpContentsCommand: TAction
      Category = 'Help'
      Caption = '&Contents'
      Hint = 'Help contents'
    end
    object HelpTopicSearchCommand: TAction
      Category = 'Help'
      Caption = '&Topic Search'
      Hint = 'Topic search'
      ShortCut = 112
    end
    object HelpWindowsSDKCommand: TAction
      Category = 'Help'
      Caption = '&Windows SDK'
      Hint = 'Windows SDK help'
    end
    object HelpAboutCommand: TAction
      Category = 'Help'
      Caption = '&About...'
      Hint = 'About'
    end
  end
  object ImageList1: TImageList
  end
end
