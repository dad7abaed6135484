// Runs inside the game's module, before main. The settings folder under HOME lives in the
// browser's IndexedDB: it is read back before the game starts, and the game stores it again after
// each save.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  var home = '/home/web_user';
  FS.mkdirTree(home);
  FS.mount(IDBFS, {}, home);
  addRunDependency('stored settings');
  FS.syncfs(true, function (error) {
    if (error) err('Vossmere: the stored settings could not be read: ' + error);
    removeRunDependency('stored settings');
  });
});
