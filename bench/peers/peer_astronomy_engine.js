// Astronomy Engine doing the program's two jobs; prints CPU microseconds per job as JSON.
// Job "tag": for 23.05.1998 at the program's default place (49.47 N, 9.65 E), sun and moon
// rise and set of the local day, the moon's illumination, and the next new and full moon.
// Job "jahreszeiten": the four season starts of 1998.
'use strict';
const path = require('path');
const Astronomy = require(path.join(process.argv[2], 'node_modules', 'astronomy-engine'));

const observer = new Astronomy.Observer(49.47, 9.65, 0);
// Local midnight of 23.05.1998 in central European summer time, in UTC.
const start = Astronomy.MakeTime(new Date(Date.UTC(1998, 4, 22, 22, 0, 0)));

function tag() {
  return [
    Astronomy.SearchRiseSet(Astronomy.Body.Sun, observer, +1, start, 1),
    Astronomy.SearchRiseSet(Astronomy.Body.Sun, observer, -1, start, 1),
    Astronomy.SearchRiseSet(Astronomy.Body.Moon, observer, +1, start, 1),
    Astronomy.SearchRiseSet(Astronomy.Body.Moon, observer, -1, start, 1),
    Astronomy.Illumination(Astronomy.Body.Moon, start),
    Astronomy.SearchMoonPhase(0, start, 31),
    Astronomy.SearchMoonPhase(180, start, 31),
  ];
}

function jahreszeiten() {
  return Astronomy.Seasons(1998);
}

function cpuUs(job, seconds) {
  let n = 0;
  const begin = process.cpuUsage();
  let used = 0;
  while (used < seconds) {
    job();
    n += 1;
    const u = process.cpuUsage(begin);
    used = (u.user + u.system) / 1e6;
  }
  return used / n * 1e6;
}

const seconds = Number(process.argv[3] || 1);
// The first calls compile the code; they are not measured.
cpuUs(tag, 0.2);
cpuUs(jahreszeiten, 0.2);
console.log(JSON.stringify({
  tag: cpuUs(tag, seconds),
  jahreszeiten: cpuUs(jahreszeiten, seconds),
  version: require(path.join(process.argv[2], 'node_modules', 'astronomy-engine', 'package.json')).version,
}));
