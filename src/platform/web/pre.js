// Before the game starts in the page: its data (the block pictures and the
// sound clips, fetched from beside the page) and the player's files (the
// high-score table and the settings, from the browser's store) are copied
// into the game's file system. A file that cannot be fetched is left out:
// the game says so, as it does on the desktop.

var TW_DATA = ['red.ppm', 'green.ppm', 'blue.ppm', 'lightblue.ppm', 'data/cake.wav',
               'data/donut.wav', 'data/end1.wav', 'data/end2.wav', 'data/end3.wav',
               'data/excellent.wav', 'data/largeblocks.wav', 'data/nosoup.wav',
               'data/ohyeah.wav', 'data/smallblocks.wav', 'data/woohoo.wav'];
var TW_STORE = 'files';
var twDatabase = null;

function twOpenStore() {
  return new Promise(function (resolve) {
    if (!window.indexedDB) return resolve(null);
    var request = indexedDB.open('tumblewell', 1);
    request.onupgradeneeded = function () { request.result.createObjectStore(TW_STORE); };
    request.onsuccess = function () { resolve(request.result); };
    request.onerror = function () { resolve(null); };
  });
}

function twWriteFile(path, bytes) {
  var folder = path.substring(0, path.lastIndexOf('/'));
  if (folder) FS.mkdirTree(folder);
  FS.writeFile(path, bytes);
}

function twLoadData() {
  return Promise.all(TW_DATA.map(function (name) {
    return fetch(name).then(function (response) {
      if (!response.ok) return;
      return response.arrayBuffer().then(function (buffer) {
        twWriteFile('/' + name, new Uint8Array(buffer));
      });
    }).catch(function () {});
  }));
}

function twLoadStore() {
  FS.mkdirTree('/save');
  return twOpenStore().then(function (database) {
    twDatabase = database;
    if (!database) return;
    return new Promise(function (resolve) {
      var store = database.transaction(TW_STORE, 'readonly').objectStore(TW_STORE);
      var request = store.openCursor();
      request.onsuccess = function () {
        var cursor = request.result;
        if (!cursor) return resolve();
        twWriteFile(cursor.key, cursor.value);
        cursor.continue();
      };
      request.onerror = function () { resolve(); };
    });
  });
}

// A change to a player's file, carried out again in the store: one
// transaction reads the file as it stands there and writes what the game's
// change makes of it, so that changes from pages that save at once follow
// each other.
function twStore(id, path) {
  if (!twDatabase) return Module._twStoreDone(id);
  var transaction = twDatabase.transaction(TW_STORE, 'readwrite');
  var store = transaction.objectStore(TW_STORE);
  var request = store.get(path);
  request.onsuccess = function () {
    var stored = request.result;
    var bytes = stored || new Uint8Array(0);
    var at = Module._malloc(bytes.length + 1);
    HEAPU8.set(bytes, at);
    var write = Module._twChangeStored(id, at, bytes.length, stored ? 1 : 0);
    Module._free(at);
    if (write) {
      var from = Module._twStoredBytes(id);
      store.put(HEAPU8.slice(from, from + Module._twStoredSize(id)), path);
    }
  };
  transaction.oncomplete = transaction.onabort = function () { Module._twStoreDone(id); };
}

Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  addRunDependency('tumblewell-files');
  Promise.all([twLoadData(), twLoadStore()]).then(function () {
    removeRunDependency('tumblewell-files');
  });
});
