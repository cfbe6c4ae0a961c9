// Opens the pages Velkor书签 writes (kept byte for byte in tests/golden) in headless Chromium
// and checks what a user would get: GBK decoding, the sections and links of the generated
// content, a record whose name is markup staying text, the search page's own urlencode and its
// first service's form, and that nothing leaves the machine. Saves a screenshot of a category
// page and of the search page.
//
//   node tests/browser/check_pages.mjs <golden folder> <artefacts folder>
//
// Node's standard library only: Chromium is driven over the DevTools protocol on
// --remote-debugging-pipe (we write on its fd 3, read its fd 4; messages are JSON ending in NUL).
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const RUN_MS = 55_000;   // the whole run, Chromium's start and end included
const STEP_MS = 8_000;   // any single protocol call or awaited event
const CHROMIUM = process.env.VELKOR_CHROMIUM || '/usr/bin/chromium';

const [goldenDir, artefactsDir] = process.argv.slice(2);
if (!goldenDir || !artefactsDir) {
  console.error('usage: node check_pages.mjs <golden folder> <artefacts folder>');
  process.exit(2);
}
fs.mkdirSync(artefactsDir, { recursive: true });

// --- results --------------------------------------------------------------------------------
let passed = 0;
let failed = 0;
function report(name, ok, detail = '') {
  if (ok) passed++; else failed++;
  console.log(`${ok ? 'PASS' : 'FAIL'} ${name}${detail ? ` — ${detail}` : ''}`);
}
// A check whose body throws (a timeout, a dead browser) fails instead of ending the run.
async function check(name, body) {
  try {
    const outcome = await body();
    const [ok, detail] = Array.isArray(outcome) ? outcome : [outcome, ''];
    report(name, ok, detail);
  } catch (error) {
    report(name, false, error.message);
  }
}
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const show = (value) => JSON.stringify(value);

// --- Chromium over the pipe -----------------------------------------------------------------
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velkor-browser-'));
const chromium = spawn(CHROMIUM, [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-dev-shm-usage', '--host-resolver-rules=MAP * ~NOTFOUND',
  `--user-data-dir=${profile}`, '--remote-debugging-pipe', 'about:blank',
], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'], detached: true });

let browserGone = null;  // the reason, once Chromium can no longer answer
const pending = new Map();
const listeners = new Set();
let nextId = 1;

function giveUpPending(reason) {
  browserGone = reason;
  for (const { reject, timer } of pending.values()) {
    clearTimeout(timer);
    reject(new Error(reason));
  }
  pending.clear();
}
chromium.on('error', (error) => giveUpPending(`cannot start ${CHROMIUM}: ${error.message}`));
chromium.on('exit', (code, signal) => giveUpPending(`Chromium exited (${signal ?? code})`));
chromium.stdio[3].on('error', () => {});
chromium.stdio[4].on('error', () => {});

let unread = Buffer.alloc(0);
chromium.stdio[4].on('data', (chunk) => {
  unread = Buffer.concat([unread, chunk]);
  for (let end = unread.indexOf(0); end >= 0; end = unread.indexOf(0)) {
    const message = JSON.parse(unread.subarray(0, end).toString('utf8'));
    unread = unread.subarray(end + 1);
    if (message.id !== undefined) {
      const call = pending.get(message.id);
      if (!call) continue;
      pending.delete(message.id);
      clearTimeout(call.timer);
      if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
      else call.resolve(message.result);
    } else {
      for (const listener of [...listeners]) listener(message);
    }
  }
});

function send(method, params = {}, sessionId = undefined, ms = STEP_MS) {
  if (browserGone) return Promise.reject(new Error(browserGone));
  const id = nextId++;
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => {
      pending.delete(id);
      reject(new Error(`${method} got no answer in ${ms} ms`));
    }, ms);
    pending.set(id, { resolve, reject, timer, method });
    chromium.stdio[3].write(`${JSON.stringify({ id, method, params, sessionId })}\0`);
  });
}

// Resolves with the first event that satisfies `match`; rejects after `ms`.
function waitFor(what, match, ms = STEP_MS) {
  return new Promise((resolve, reject) => {
    const listener = (event) => {
      if (!match(event)) return;
      listeners.delete(listener);
      clearTimeout(timer);
      resolve(event);
    };
    const timer = setTimeout(() => {
      listeners.delete(listener);
      reject(new Error(`no ${what} in ${ms} ms`));
    }, ms);
    listeners.add(listener);
  });
}
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// --- every remote request is recorded and failed ----------------------------------------------
const isRemote = (url) => /^(https?|wss?):/i.test(url);
const intercepted = [];        // requests paused by Fetch, each then failed
const refusals = [];           // Fetch.failRequest calls still in flight
const remoteSeen = new Map();  // Network requestId -> url, every remote request the pages made
const remoteAnswered = [];     // remote urls that got a response: must stay empty
const cancelled = new Set();   // Network requestIds the page itself dropped before sending
const sockets = [];            // WebSockets opened: must stay empty

const REMOTE_PATTERNS = ['http://*', 'https://*', 'ws://*', 'wss://*']
  .map((urlPattern) => ({ urlPattern, requestStage: 'Request' }));

// Watches a page or frame session: network events, blocking, and its own child frames.
async function watchSession(sessionId) {
  await Promise.all([
    send('Network.enable', {}, sessionId),
    send('Fetch.enable', { patterns: REMOTE_PATTERNS }, sessionId),
    send('Page.enable', {}, sessionId).catch(() => {}),
    send('Target.setAutoAttach',
      { autoAttach: true, waitForDebuggerOnStart: true, flatten: true }, sessionId),
  ]);
}

listeners.add((event) => {
  const { method, params, sessionId } = event;
  if (method === 'Fetch.requestPaused') {
    intercepted.push({
      url: params.request.url, type: params.resourceType, frameId: params.frameId, sessionId,
      networkId: params.networkId,
    });
    refusals.push(send('Fetch.failRequest',
      { requestId: params.requestId, errorReason: 'BlockedByClient' }, sessionId));
  } else if (method === 'Network.requestWillBeSent' && isRemote(params.request.url)) {
    remoteSeen.set(params.requestId, params.request.url);
  } else if (method === 'Network.responseReceived' && isRemote(params.response.url)) {
    remoteAnswered.push(params.response.url);
  } else if (method === 'Network.loadingFailed' && params.canceled) {
    cancelled.add(params.requestId);
  } else if (method === 'Network.webSocketCreated') {
    sockets.push(params.url);
  } else if (method === 'Target.attachedToTarget') {
    // An out-of-process frame or a worker: block its requests too before it may run.
    const child = params.sessionId;
    watchSession(child).catch(() => {})
      .then(() => send('Runtime.runIfWaitingForDebugger', {}, child)).catch(() => {});
  }
});

// --- pages ----------------------------------------------------------------------------------
const pageUrl = (name) => pathToFileURL(path.resolve(goldenDir, name)).href;

async function openPage(name, initScript) {
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  await watchSession(sessionId);
  if (initScript) {
    await send('Page.addScriptToEvaluateOnNewDocument', { source: initScript }, sessionId);
  }
  await send('Emulation.setDeviceMetricsOverride',
    { width: 1024, height: 900, deviceScaleFactor: 1, mobile: false }, sessionId);
  const page = { name, targetId, sessionId };
  await navigate(page, pageUrl(name));
  return page;
}

async function navigate(page, url) {
  const loaded = waitFor(`load of ${url}`,
    (e) => e.sessionId === page.sessionId && e.method === 'Page.loadEventFired');
  const { errorText } = await send('Page.navigate', { url }, page.sessionId);
  if (errorText) throw new Error(`${url}: ${errorText}`);
  await loaded;
}

async function evaluate(page, expression) {
  const { result, exceptionDetails } = await send('Runtime.evaluate',
    { expression, returnByValue: true, awaitPromise: true, timeout: 5000 }, page.sessionId);
  if (exceptionDetails) {
    throw new Error(`page script failed: ${exceptionDetails.exception?.description
      ?? exceptionDetails.text}`);
  }
  return result.value;
}

async function screenshot(page, file) {
  const { data } = await send('Page.captureScreenshot', { format: 'png' }, page.sessionId);
  fs.writeFileSync(path.join(artefactsDir, file), Buffer.from(data, 'base64'));
}

const closePage = (page) => send('Target.closeTarget', { targetId: page.targetId }).catch(() => {});

// What a page shows, read once it has loaded. The generated content sits in the one cell that
// holds the section headers (small centred tables of width 25%).
const READ_PAGE = `(() => {
  const headerTables = [...document.querySelectorAll('table[width="25%"][bgcolor="#FFFFCC"]')];
  const cell = headerTables.length ? headerTables[0].parentElement : null;
  const links = cell ? [...cell.querySelectorAll('a[target=_blank]')] : [];
  return {
    charset: document.characterSet,
    title: document.title,
    body: document.body.innerText,
    sameCell: headerTables.every((t) => t.parentElement === cell),
    headers: headerTables.map((t) => t.innerText.trim()),
    links: links.map((a) => a.textContent),
    headerLinks: links.filter((a) => a.textContent === '网站名称').length,
    scriptsInCell: cell ? cell.querySelectorAll('script').length : -1,
    markupLink: (() => {
      const a = links.find((a) => a.getAttribute('href').startsWith('https://x.example/'));
      if (!a) return null;
      const row = a.closest('table').closest('tr');
      return { text: a.textContent, href: a.getAttribute('href'), note: row.cells[1].innerText };
    })(),
  };
})()`;

// The fixture of tests/core/golden_pages_test.cpp, category 新闻 (a record is selected when
// its name or kind contains the filter):
//   curated: 新华网 (has an explanation, so a detail row) and 人民网 (no explanation, so the
//     grid) — both of kind 新闻: 2 links;
//   directory: 新浪新闻 and the markup-named record (explained, detail rows), 网易新闻, 澎湃新闻,
//     央视网, 中国新闻网 (kind 新闻网站 contains 新闻) and 凤凰网 (grid) — 7 links; 下载站 (kind
//     下载软件) is left out;
//   each section has one detail table whose header row links 网站名称: 2 links.
// So 2 + 7 + 2 = 11 links in the content cell. The own-bookmark page (empty filter, all three
// records: 我的博客 explained, 天气 and 地图 in the grid) has 3 + 1 header = 4.
const MARKUP_NAME = "<script>document.title='injected'</script>";
const CATEGORY_LINKS = [
  '网站名称', '新华网', '人民网',
  '网站名称', '新浪新闻', MARKUP_NAME, '网易新闻', '澎湃新闻', '央视网', '中国新闻网', '凤凰网',
];
const OWN_LINKS = ['网站名称', '我的博客', '天气', '地图'];
// Search pages hold three sections, curated, own bookmarks, directory. For 新闻 (text) every
// section is built: the curated and directory links as on the category page, and the own
// bookmarks' detail table with its header row only (none of them holds 新闻): 3 + 1 + 8 = 12
// links, 3 header rows. For xinwen (pinyin) the own bookmarks are not searched at all (no table);
// the curated index holds no xinwen (header row only) and the directory index selects 新浪新闻
// (explained), 网易新闻, 澎湃新闻 and 中国新闻网 (grid): 1 + 0 + 5 = 6 links, 2 header rows.
const SEARCH_TEXT_LINKS = ['网站名称', '新华网', '人民网', '网站名称',
  '网站名称', '新浪新闻', MARKUP_NAME, '网易新闻', '澎湃新闻', '央视网', '中国新闻网', '凤凰网'];
const SEARCH_PINYIN_LINKS = ['网站名称', '网站名称', '新浪新闻', '网易新闻', '澎湃新闻', '中国新闻网'];
const CURATED = '精华书签 千里挑一';
const DIRECTORY = '分类书签';
const OWN = '自家书签';
const TITLE = '【Velkor书签】♀daveve★https://www.velkor.example/';

async function checkListPage(name, expected) {
  let page = null;
  let seen = null;
  await check(`${name}: loads from file:// as GBK`, async () => {
    page = await openPage(name);
    seen = await evaluate(page, READ_PAGE);
    return [seen.charset === 'GBK' && seen.title === TITLE,
      `characterSet ${seen.charset}, title ${show(seen.title)}`];
  });
  if (!seen) return page;
  await check(`${name}: section headers ${expected.headers.join(', ')}`, () => {
    const others = [CURATED, DIRECTORY, OWN].filter((h) => !expected.headers.includes(h));
    const at = expected.headers.map((h) => seen.body.indexOf(h));
    const inOrder = at.every((i, k) => i >= 0 && (k === 0 || i > at[k - 1]));
    const ok = inOrder && same(seen.headers, expected.headers) && seen.sameCell &&
      others.every((h) => !seen.body.includes(h));
    return [ok, `header tables ${show(seen.headers)}`];
  });
  await check(`${name}: ${expected.links.length} links in the content, ` +
    `${expected.headerLinks} of them header rows`, () =>
    [seen.links.length === expected.links.length && seen.headerLinks === expected.headerLinks,
      `${seen.links.length} links, ${seen.headerLinks} header rows`]);
  await check(`${name}: Chinese names decoded, in the order written`, () =>
    [same(seen.links, expected.links), same(seen.links, expected.links) ? '' : show(seen.links)]);
  if (expected.markup) {
    await check(`${name}: a record named with markup stays text and runs nothing`, () => {
      const m = seen.markupLink;
      const ok = seen.title !== 'injected' && seen.scriptsInCell === 0 && m !== null &&
        m.text === MARKUP_NAME && seen.body.includes('<script>') &&
        m.href === 'https://x.example/?a=1&b="2"' && m.note === 'a < b';
      return [ok, `title ${show(seen.title)}, ${seen.scriptsInCell} script elements in the ` +
        `content, link ${show(m)}`];
    });
  }
  return page;
}

// Fills the first service's form of the search page, submits it as the button would, and
// returns the address it went to. The page's onsubmit sends the browser to the chosen option's
// value followed by the encoded words itself and cancels the form's own submission (which would
// reload search.htm with ?key=…).
async function submitFirstForm(page, words, option) {
  const mine = (e) => e.sessionId === page.sessionId;
  const requested = [];
  const recordNavigation = (e) => {
    if (mine(e) && e.method === 'Page.frameRequestedNavigation') requested.push(e.params);
  };
  listeners.add(recordNavigation);
  try {
    const from = intercepted.length;
    const documentRequest = waitFor('request for the results page',
      (e) => mine(e) && e.method === 'Fetch.requestPaused' &&
        e.params.resourceType === 'Document' && e.params.frameId === page.targetId);
    const form = await evaluate(page, `(() => {
      const form = document.forms[0];
      if (!form || form.key?.type !== 'text' || form.obj?.tagName !== 'SELECT') return null;
      form.key.value = ${show(words)};
      form.obj.selectedIndex = ${option};
      const target = form.obj.options[${option}].value;
      form.requestSubmit();
      return { target };
    })()`);
    if (!form) throw new Error('the first form has no text field key and select obj');
    const request = await documentRequest;
    // The failed request ends in an error page; by then every navigation asked for is known.
    await waitFor('error page', (e) => mine(e) && e.method === 'Page.loadEventFired', 3000)
      .catch(() => {});
    await sleep(200);
    const documents = intercepted.slice(from).filter((r) => r.type === 'Document' && r.frameId === page.targetId);
    return { target: form.target, url: request.params.request.url, documents, requested };
  } finally {
    listeners.delete(recordNavigation);
  }
}

// Chromium upgrades a plain-http navigation to https on its own (falling back if that fails),
// so the request on the wire may differ from the page's address by the scheme alone.
const sentAs = (url, expected) =>
  url === expected || url === expected.replace(/^http:/, 'https:');

async function checkSearchPage() {
  let page = null;
  await check('search.htm: urlencode escapes % space + and keeps Chinese', async () => {
    page = await openPage('search.htm');
    const got = await evaluate(page,
      `[document.characterSet, urlencode('a b+c'), urlencode('50%'), urlencode('新闻')]`);
    return [same(got, ['GBK', 'a%20b%2Bc', '50%25', '新闻']), show(got)];
  });
  if (!page) return;
  await check('search.htm: screenshot', async () => {
    await screenshot(page, 'search-page.png');
    return true;
  });
  await check('search.htm: first form goes to the chosen service with the words encoded',
    async () => {
      const got = await submitFirstForm(page, 'a b+c', 1);
      const expected = `${got.target}a%20b%2Bc`;
      const ok = sentAs(got.url, expected) && got.documents.length === 1 &&
        got.requested.length === 1 && got.requested[0].url === expected &&
        got.requested[0].reason === 'scriptInitiated';
      return [ok, `page asked for ${show(got.requested.map((r) => `${r.reason} ${r.url}`))}, ` +
        `request ${got.url}`];
    });
  // A Chinese query is left to the browser, which escapes it in the page's encoding.
  await check('search.htm: Chinese words go out as GBK escapes', async () => {
    await navigate(page, pageUrl('search.htm'));
    const got = await submitFirstForm(page, '新闻', 1);
    const expected = `${got.target}%D0%C2%CE%C5`;  // 新闻 in GBK is D0 C2 CE C5
    return [sentAs(got.url, expected) && got.documents.length === 1, `request ${got.url}`];
  });
  await closePage(page);
}

// --- the run --------------------------------------------------------------------------------
let finishing = false;
function finish(code) {
  if (finishing) return;
  finishing = true;
  try { process.kill(-chromium.pid, 'SIGKILL'); } catch { /* already gone */ }
  fs.rmSync(profile, { recursive: true, force: true });
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(code ?? (failed > 0 ? 1 : 0));
}

const runTimer = setTimeout(() => {
  report('whole run', false, `not done in ${RUN_MS / 1000} s`);
  finish(1);
}, RUN_MS);

// random.htm: the page of four draws made by the golden test. Both addresses in its pool try to
// break out of the script string (a double quote and a backslash; a "</script>" followed by a
// script of its own); the draws with seed 4 take each twice. window.open is counted, not run.
const RANDOM_ADDRESSES = ['http://q.example/?a="1"&b=\\',
  'http://s.example/</script><script>window.broken=1</script>'];
const COUNT_OPENS = `window.__opened = [];
  window.open = (url, ...rest) => { window.__opened.push([url, ...rest]); return null; };`;

async function checkRandomPage() {
  let page = null;
  await check('random.htm: window.open runs once per draw with the drawn addresses', async () => {
    page = await openPage('random.htm', COUNT_OPENS);
    const opened = await evaluate(page, 'window.__opened');
    const urls = opened.map(([url]) => url);
    const ok = opened.length === 4 && opened.every((call) => call.length === 3) &&
      same([...new Set(urls)].sort(), [...RANDOM_ADDRESSES].sort());
    return [ok, show(opened)];
  });
  if (!page) return;
  await check('random.htm: no address breaks out of the script', async () => {
    const seen = await evaluate(page, `({ broken: typeof window.broken,
      text: document.body.innerText })`);
    const ok = seen.broken === 'undefined' && !seen.text.includes('window.broken') &&
      seen.text.includes('每日一笑');
    return [ok, show(seen.broken)];
  });
  await closePage(page);
}

async function main() {
  const started = Date.now();
  await check('Chromium answers on the DevTools pipe', async () => {
    const { product } = await send('Browser.getVersion', {}, undefined, 20_000);
    return [true, product];
  });
  if (failed > 0) return;  // nothing else can be checked without a browser

  const category = { headers: [CURATED, DIRECTORY], links: CATEGORY_LINKS, headerLinks: 2,
    markup: true };
  const house = await checkListPage('category-house.htm', category);
  if (house) {
    await check('category-house.htm: screenshot', async () => {
      await screenshot(house, 'category-page.png');
      return true;
    });
    await closePage(house);
  }
  const partner = await checkListPage('category-partner.htm', category);
  if (partner) await closePage(partner);
  const own = await checkListPage('own-all.htm',
    { headers: [OWN], links: OWN_LINKS, headerLinks: 1, markup: false });
  if (own) await closePage(own);
  const searchHeaders = [CURATED, OWN, DIRECTORY];
  const byText = await checkListPage('search-text.htm',
    { headers: searchHeaders, links: SEARCH_TEXT_LINKS, headerLinks: 3, markup: true });
  if (byText) await closePage(byText);
  const byPinyin = await checkListPage('search-pinyin.htm',
    { headers: searchHeaders, links: SEARCH_PINYIN_LINKS, headerLinks: 2, markup: false });
  if (byPinyin) await closePage(byPinyin);
  await checkSearchPage();
  await checkRandomPage();

  await check('no request left the machine', async () => {
    const results = await Promise.allSettled(refusals);
    const notRefused = results.filter((r) => r.status === 'rejected').length;
    const blockedIds = new Set(intercepted.map((r) => r.networkId));
    const unblocked = [...remoteSeen].filter(([id]) => !blockedIds.has(id) && !cancelled.has(id))
      .map(([, url]) => url);
    const hosts = [...new Set(intercepted.map((r) => new URL(r.url).host))].sort();
    const ok = intercepted.length > 0 && notRefused === 0 && unblocked.length === 0 &&
      remoteAnswered.length === 0 && sockets.length === 0;
    return [ok, `${intercepted.length} requests blocked, to ${hosts.join(' ')}` +
      (unblocked.length ? `; not blocked: ${unblocked.join(' ')}` : '') +
      (remoteAnswered.length ? `; answered: ${remoteAnswered.join(' ')}` : '') +
      (sockets.length ? `; sockets: ${sockets.join(' ')}` : '') +
      (notRefused ? `; ${notRefused} could not be failed` : '')];
  });

  await send('Browser.close', {}, undefined, 3000).catch(() => {});
  await Promise.race([new Promise((r) => chromium.once('exit', r)), sleep(3000)]);
  console.log(`(${((Date.now() - started) / 1000).toFixed(1)} s)`);
}

main().then(() => { clearTimeout(runTimer); finish(); },
  (error) => { report('run', false, error.stack); clearTimeout(runTimer); finish(1); });
