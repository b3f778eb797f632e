// The one way the browser tests start Debian's chromium: headless, without the sandbox a root
// test run cannot have, through the puppeteer-core installed in the build folder.
//
// Environment: BROWSER_MODULES (where puppeteer-core is installed), CHROMIUM (default
// /usr/bin/chromium).
'use strict';

const path = require('node:path');

if (!process.env.BROWSER_MODULES) throw new Error('BROWSER_MODULES is not set');
const puppeteer = require(path.join(process.env.BROWSER_MODULES, 'puppeteer-core'));

exports.launchChromium = () =>
  puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
    timeout: 30000,
    protocolTimeout: 30000,
  });
