(function () {
  'use strict';

  // The areas, the bracket's feeding rule and the pick program's texts, written in when the
  // template is made.
  var LAYOUT = /*LAYOUT*/;

  // Windows-1252 0x80..0x9F; the five bytes the code page leaves undefined are the C1 controls
  // of the same value, as the browser decodes them, so every byte maps back.
  var HIGH = [
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178];

  // Text is kept as the file's bytes: a string of characters 0..255, one per byte.
  function byteOf(codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return codePoint;
    var high = HIGH.indexOf(codePoint);
    return high < 0 ? 0x3F : 0x80 + high;  // "?" for what the code page cannot hold
  }

  // What the participant typed, as Windows-1252 bytes.
  function encode(text) {
    var bytes = '';
    for (var ch of text) bytes += String.fromCharCode(byteOf(ch.codePointAt(0)));
    return bytes;
  }

  function decode(bytes) {
    var text = '';
    for (var i = 0; i < bytes.length; ++i) {
      var b = bytes.charCodeAt(i);
      text += String.fromCharCode(b >= 0x80 && b < 0xA0 ? HIGH[b - 0x80] : b);
    }
    return text;
  }

  // An area of the page's field block as bytes. The page is read as text, where a NUL arrives
  // as U+FFFD (no Windows-1252 byte decodes to it).
  function areaBytes(text, start, size) {
    var bytes = '';
    var area = text.substr(start, size);
    for (var i = 0; i < area.length; ++i) {
      var c = area.charCodeAt(i);
      bytes += String.fromCharCode(c === 0xFFFD ? 0 : byteOf(c));
    }
    return bytes;
  }

  // The text after the marker up to the area's NUL or end.
  function areaText(bytes, markerLength) {
    var end = bytes.indexOf('\0', markerLength);
    return bytes.substring(markerLength, end < 0 ? bytes.length : end);
  }

  // count items, each ended by the separator, whatever their length; null when fewer are there.
  function splitItems(text, count) {
    var items = [];
    var start = 0;
    for (var i = 0; i < count; ++i) {
      var end = text.indexOf(LAYOUT.separator, start);
      if (end < 0) return null;
      items.push(text.substring(start, end));
      start = end + 1;
    }
    return items;
  }

  // The field the areas carry, read as the pick program reads its own; null when there is none.
  function readField(text) {
    var teams = splitItems(areaText(areaBytes(text, 0, LAYOUT.teamsAreaSize), LAYOUT.teamsMarkerLength),
                           LAYOUT.teamCount);
    var others = splitItems(areaText(areaBytes(text, LAYOUT.teamsAreaSize, LAYOUT.othersAreaSize),
                                     LAYOUT.othersMarkerLength), LAYOUT.othersCount);
    if (!teams || !others) return null;
    LAYOUT.comments.forEach(function (i) { others[i] = others[i].split('|').join('\r\n'); });
    return { teams: teams, others: others };
  }

  // The number the total's leading digits make.
  function leadingNumber(text) {
    var value = 0;
    for (var i = 0; i < text.length; ++i) {
      var c = text.charCodeAt(i);
      if (c < 0x30 || c > 0x39) break;
      value = value * 10 + (c - 0x30);
      if (value > 99999) break;
    }
    return value;
  }

  var ROUNDS = ['first round', 'second round', 'third round', 'regional final'];

  function Form(field) {
    this.field = field;
    this.captions = [];
    for (var p = 0; p <= LAYOUT.champion; ++p) this.captions.push('');
    for (var t = 0; t < LAYOUT.teamCount; ++t) this.captions[LAYOUT.starting[t]] = field.teams[t];
    this.buttons = [];
  }

  // A click on a position: its team moves on to the position it feeds, and the team it beat is
  // taken out of every later position that still shows it. A semifinal winner goes on to the
  // champion's position alone; the champion's own position takes no clicks.
  Form.prototype.click = function (position) {
    if (position < 1 || position >= LAYOUT.champion) return;
    var c = this.captions;
    var target = LAYOUT.fed[position];
    c[target] = c[position];
    if (position <= 124) {
      var loser = c[LAYOUT.opponent[position]];
      for (var later = LAYOUT.fed[target]; later !== 0; later = LAYOUT.fed[later])
        if (c[later] === loser) c[later] = '';
    }
    this.show();
  };

  // What a screen reader says for a position: where it is and who is there.
  Form.prototype.slotName = function (position) {
    if (position === LAYOUT.champion) return 'Tournament Winner';
    if (position > 124) return 'National semifinal ' + (position - 124) + ' winner';
    var r = region(position);
    var offset = position - 31 * r;
    var name = decode(this.field.others[1 + r]);
    if (offset === 31) return name + ' champion';
    var column = offset <= 16 ? 0 : offset <= 24 ? 1 : offset <= 28 ? 2 : 3;
    var first = [1, 17, 25, 29][column];
    return name + ', ' + ROUNDS[column] + ', game ' + (Math.floor((offset - first) / 2) + 1);
  };

  Form.prototype.show = function () {
    for (var p = 1; p <= LAYOUT.champion; ++p) {
      var button = this.buttons[p];
      var team = decode(this.captions[p]);
      button.textContent = team;
      button.setAttribute('aria-label', this.slotName(p) + ': ' + (team === '' ? 'no pick' : team));
      if (team === '') button.removeAttribute('title');
      else button.title = team;
    }
    drawLines();
  };

  function region(position) { return position > 124 ? -1 : Math.floor((position - 1) / 31); }

  // Where a position sits in its region's grid: the column (0 the starting slots .. 4 the
  // regional champion) and the rows of the sixteen it spans.
  function place(position) {
    var offset = position - 31 * region(position);
    var starts = [1, 17, 25, 29, 31];
    var column = offset <= 16 ? 0 : offset <= 24 ? 1 : offset <= 28 ? 2 : offset <= 30 ? 3 : 4;
    var span = 1 << column;
    return { column: column, row: (offset - starts[column]) * span + 1, span: span };
  }

  Form.prototype.build = function () {
    var self = this;
    var f = this.field;
    setText('lblTitle', f.others[0]);
    if (f.others[0] !== '') document.title = decode(f.others[0]) + ' - QUILLON';
    for (var r = 0; r < 4; ++r) setText('lblRegionTitle_' + r, f.others[1 + r]);
    setText('lblComment_0', f.others[LAYOUT.comments[0]]);
    setText('lblComment_1', f.others[LAYOUT.comments[1]]);
    var points = document.getElementById('points');
    for (var round = 0; round < 6; ++round) {
      var item = document.createElement('li');
      item.id = 'lblInfo_' + round;
      item.className = 'point';
      item.textContent = decode(f.others[5 + round]);
      item.setAttribute('aria-label', 'Round ' + (round + 1) + ': ' + item.textContent);
      points.appendChild(item);
    }
    for (var p = 1; p <= LAYOUT.champion; ++p) {
      var button;
      if (p === LAYOUT.champion) {
        button = document.getElementById('lblRegion_126');
      } else {
        button = document.createElement('button');
        button.type = 'button';
        button.id = 'lblRegion_' + (p - 1);
        button.className = 'team';
        button.addEventListener('click', this.click.bind(this, p));
        if (p > 124) {
          button.classList.add('semifinal');
          document.getElementById('semi_' + (p - 125)).appendChild(button);
        } else {
          var at = place(p);
          button.classList.add('c' + at.column);
          button.style.gridRow = at.row + ' / span ' + at.span;
          document.querySelector('#region_' + region(p) + ' .games').appendChild(button);
        }
      }
      this.buttons[p] = button;
    }
    var total = document.getElementById('txtFinalPoints');
    total.addEventListener('input', function () {
      // Digits only, as the pick program's box takes them.
      var digits = total.value.replace(/[^0-9]/g, '').slice(0, 3);
      if (digits !== total.value) total.value = digits;
    });
    document.getElementById('cmdSaveAs').addEventListener('click', function () { self.saveAs(); });
    document.getElementById('bracket').hidden = false;
    this.show();
  };

  // The checks of the pick program's Save As, then the selection file as a download.
  Form.prototype.saveAs = function () {
    var initials = encode(document.getElementById('txtPlayerInitials').value);
    var name = encode(document.getElementById('txtPlayerName').value);
    var total = encode(document.getElementById('txtFinalPoints').value);
    if (initials === '' || name === '' || total === '') {
      window.alert(LAYOUT.missingFields);
      return;
    }
    var value = leadingNumber(total);
    if (value < LAYOUT.lowestTotal || value > LAYOUT.highestTotal) {
      window.alert(LAYOUT.badTotal);
      return;
    }
    var lines = this.captions.slice(1).concat([initials, name, total, '*END*']);
    var bytes = lines.join('\r\n') + '\r\n';
    var data = new Uint8Array(bytes.length);
    for (var i = 0; i < bytes.length; ++i) data[i] = bytes.charCodeAt(i);
    var fileName = decode(name + '_' + initials) + '.BKS';
    var url = URL.createObjectURL(new Blob([data], { type: 'application/octet-stream' }));
    var link = document.createElement('a');
    link.href = url;
    link.download = fileName;
    document.body.appendChild(link);
    link.click();
    link.remove();
    // Long enough for any browser to have taken the download.
    window.setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
    document.getElementById('lblSaved').textContent =
        'Saved as ' + fileName + '. Send this file to your pool organiser.';
  };

  function setText(id, bytes) {
    // Comments keep their line breaks (the page reads CR LF as one line feed).
    document.getElementById(id).textContent = decode(bytes).replace(/\r\n?/g, '\n');
  }

  // The connector lines of each region: a tick out of both teams of a game, a bar joining
  // them, and a tick from its middle to the winner's place; drawn from where the buttons are.
  var form = null;
  function drawLines() {
    if (!form) return;
    for (var r = 0; r < 4; ++r) {
      var games = document.querySelector('#region_' + r + ' .games');
      var svg = games.querySelector('svg');
      if (!svg) {
        svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
        svg.setAttribute('aria-hidden', 'true');
        svg.setAttribute('class', 'lines');
        games.insertBefore(svg, games.firstChild);
      }
      var path = '';
      for (var m = 0; m < 15; ++m) {
        var a = form.buttons[31 * r + 2 * m + 1];
        var b = form.buttons[31 * r + 2 * m + 2];
        var w = form.buttons[31 * r + 17 + m];
        var rightward = w.offsetLeft > a.offsetLeft;
        var from = rightward ? a.offsetLeft + a.offsetWidth : a.offsetLeft;
        var to = rightward ? w.offsetLeft : w.offsetLeft + w.offsetWidth;
        var bar = (from + to) / 2;
        var ya = a.offsetTop + a.offsetHeight / 2;
        var yb = b.offsetTop + b.offsetHeight / 2;
        var yw = w.offsetTop + w.offsetHeight / 2;
        path += 'M' + from + ' ' + ya + 'H' + bar + 'V' + yb + 'H' + from +
                'M' + bar + ' ' + yw + 'H' + to;
      }
      svg.setAttribute('width', games.scrollWidth);
      svg.setAttribute('height', games.scrollHeight);
      svg.innerHTML = '<path d="' + path + '"/>';
    }
    drawFinalLines();
  }

  // The final four, where the regions sit around it: each pair of regional champions joins on a
  // bar with a tick into its semifinal, and the semifinal winners meet the champion from above
  // and below, beside the captions between them. Stacked on a narrow screen, nothing is drawn.
  function drawFinalLines() {
    var bracket = document.getElementById('bracket');
    var svg = document.getElementById('finalLines');
    if (!svg) {
      svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
      svg.id = 'finalLines';
      svg.setAttribute('aria-hidden', 'true');
      svg.setAttribute('class', 'lines');
      bracket.insertBefore(svg, bracket.firstChild);
    }
    var origin = bracket.getBoundingClientRect();
    var box = function (position) {
      var r = form.buttons[position].getBoundingClientRect();
      return { left: r.left - origin.left, right: r.right - origin.left, top: r.top - origin.top,
               bottom: r.bottom - origin.top, mid: (r.top + r.bottom) / 2 - origin.top };
    };
    var path = '';
    var semi1 = box(125), semi2 = box(126), champion = box(LAYOUT.champion);
    var upperLeft = box(31), lowerLeft = box(62), upperRight = box(93), lowerRight = box(124);
    if (upperLeft.right < semi1.left && upperRight.left > semi2.right) {
      var leftBar = (upperLeft.right + semi1.left) / 2;
      var rightBar = (upperRight.left + semi2.right) / 2;
      path = 'M' + upperLeft.right + ' ' + upperLeft.mid + 'H' + leftBar + 'V' + lowerLeft.mid + 'H' +
             lowerLeft.right + 'M' + leftBar + ' ' + semi1.mid + 'H' + semi1.left +
             'M' + upperRight.left + ' ' + upperRight.mid + 'H' + rightBar + 'V' + lowerRight.mid + 'H' +
             lowerRight.left + 'M' + rightBar + ' ' + semi2.mid + 'H' + semi2.right;
      var x = champion.left + 8;
      path += 'M' + x + ' ' + semi1.bottom + 'V' + champion.top + 'M' + x + ' ' + champion.bottom + 'V' + semi2.top;
    }
    svg.setAttribute('width', bracket.scrollWidth);
    svg.setAttribute('height', bracket.scrollHeight);
    svg.innerHTML = path ? '<path d="' + path + '"/>' : '';
  }

  function start() {
    var block = document.getElementById('fieldblock');
    var field = block ? readField(block.textContent) : null;
    if (!field) {
      var message = document.getElementById('noField');
      message.textContent = LAYOUT.noField;
      message.hidden = false;
      return;
    }
    form = new Form(field);
    form.build();
    window.addEventListener('resize', drawLines);
    if (document.fonts && document.fonts.ready) document.fonts.ready.then(drawLines);
  }

  document.addEventListener('DOMContentLoaded', start);
})();
