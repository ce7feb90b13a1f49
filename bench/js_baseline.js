// Baseline for the batch benchmark: complete four-pillar charts computed by a widely used
// JavaScript calendar library (npm lunar-javascript 1.7.7), for the same clients the batch reads.
//
//   mkdir -p /tmp/jsbench && cd /tmp/jsbench && npm install lunar-javascript@1.7.7
//   NODE_PATH=/tmp/jsbench/node_modules node bench/js_baseline.js CLIENTS.csv [--json]
//
// Each chart holds what our batch computes for a client as far as the library offers it: the four
// pillars from the solar terms, the ten gods of the stems and of the hidden stems, the hidden
// stems, the twelve stages, the void of the day, the life palace, the conception pillar and the
// ten-year luck with its start. With --json each chart is written as one JSON line to stdout.
// The time taken, with the rate, goes to stderr.
'use strict';
const fs = require('fs');
const { Solar } = require('lunar-javascript');

const args = process.argv.slice(2);
const json = args.includes('--json');
const file = args.find((a) => !a.startsWith('--'));
const lines = fs.readFileSync(file, 'utf8').split(/\r?\n/).filter((l) => l.length > 0);

// The middle of each period of the birth-time list; "不明の場合" is taken at noon.
const middles = {
    '00:00-01:00': [0, 30], '01:00-03:00': [2, 0], '03:00-05:00': [4, 0], '05:00-07:00': [6, 0],
    '07:00-09:00': [8, 0], '09:00-11:00': [10, 0], '11:00-13:00': [12, 0], '13:00-15:00': [14, 0],
    '15:00-17:00': [16, 0], '17:00-19:00': [18, 0], '19:00-21:00': [20, 0], '21:00-23:00': [22, 0],
    '23:00-00:00': [23, 30],
};

const clients = lines.map((line) => {
    const f = line.split(',').map((x) => x.replace(/^"|"$/g, ''));
    const [y, m, d] = f[1].split('/').map(Number);
    const [hh, mm] = middles[f[2]] || [12, 0];
    return { name: f[0], y, m, d, hh, mm, male: f[3] === '男' };
});

const start = process.hrtime.bigint();
let out = [];
let sink = 0;
for (const c of clients) {
    const ec = Solar.fromYmdHms(c.y, c.m, c.d, c.hh, c.mm, 0).getLunar().getEightChar();
    const yun = ec.getYun(c.male ? 1 : 0);
    const chart = {
        name: c.name,
        pillars: [ec.getYear(), ec.getMonth(), ec.getDay(), ec.getTime()],
        stemTenGods: [ec.getYearShiShenGan(), ec.getMonthShiShenGan(), ec.getDayShiShenGan(),
            ec.getTimeShiShenGan()],
        hiddenStems: [ec.getYearHideGan(), ec.getMonthHideGan(), ec.getDayHideGan(),
            ec.getTimeHideGan()],
        hiddenTenGods: [ec.getYearShiShenZhi(), ec.getMonthShiShenZhi(), ec.getDayShiShenZhi(),
            ec.getTimeShiShenZhi()],
        stages: [ec.getYearDiShi(), ec.getMonthDiShi(), ec.getDayDiShi(), ec.getTimeDiShi()],
        void: ec.getDayXunKong(),
        lifePalace: ec.getMingGong(),
        conception: ec.getTaiYuan(),
        luckStart: [yun.getStartYear(), yun.getStartMonth(), yun.getStartDay()],
        luck: yun.getDaYun(11).map((p) => [p.getStartAge(), p.getGanZhi()]),
    };
    if (json) {
        out.push(JSON.stringify(chart));
        if (out.length >= 1000) {
            process.stdout.write(out.join('\n') + '\n');
            out = [];
        }
    } else {
        sink += chart.pillars[2].length + chart.luck.length;
    }
}
if (json && out.length > 0) process.stdout.write(out.join('\n') + '\n');
const seconds = Number(process.hrtime.bigint() - start) / 1e9;
process.stderr.write(`${clients.length} charts in ${seconds.toFixed(3)} s: ` +
    `${(clients.length / seconds).toFixed(0)} charts/s${json ? ' (JSON)' : ''} ${sink > 0 ? '' : ' '}\n`);
